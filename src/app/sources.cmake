pelmora_portable(
  command_line.cpp
)
pelmora_windows(
  command_actions.cpp
  main_window.cpp
  main_window_target.cpp
)
