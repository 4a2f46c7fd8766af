pelmora_portable(
  settings.cpp
)
