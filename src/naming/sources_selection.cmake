pelmora_windows(
  drop_target.cpp
  pickers.cpp
)
