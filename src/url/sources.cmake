pelmora_windows(
  command_actions.cpp
)
