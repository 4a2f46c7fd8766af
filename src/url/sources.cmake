pelmora_portable(
  url_syntax.cpp
)
pelmora_windows(
  classify_target.cpp
  command_actions.cpp
)
