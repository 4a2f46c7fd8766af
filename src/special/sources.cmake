# The special presets: Control Panel applets, Explorer on a chosen folder, shutting down.
pelmora_portable(
  presets.cpp
)
