pelmora_windows(
  text.cpp
)
