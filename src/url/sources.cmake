pelmora_portable(
  url_syntax.cpp
)
pelmora_windows(
  classify_target.cpp
  internet_shortcut.cpp
)
