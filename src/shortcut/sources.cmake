pelmora_portable(
  destinations.cpp
)
pelmora_windows(
  special_folders.cpp
  sub_folder.cpp
)
