pelmora_windows(
  tool_tips.cpp
)
