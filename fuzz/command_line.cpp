// Any command line: the argument text and the switch rules take every input.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::wstring line;
  for (size_t i = 0; i + 1 < size; i += 2) line.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
  const std::wstring args = pelmora::RawArgumentText(line);
  const pelmora::StartRequest request = pelmora::ClassifyCommandLine(args);
  if (request.argument.size() > args.size()) __builtin_trap();
  return 0;
}
