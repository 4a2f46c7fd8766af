pelmora_portable(
  settings.cpp
  settings_rules.cpp
)
pelmora_windows(
  profile_file.cpp
  settings_file.cpp
)
