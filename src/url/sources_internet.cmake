pelmora_windows(
  internet_shortcut.cpp
)
