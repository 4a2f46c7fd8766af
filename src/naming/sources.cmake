pelmora_windows(
  target_readers_pending.cpp
)
