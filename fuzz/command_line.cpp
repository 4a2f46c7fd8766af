// Any command line: the argument text, the switch rules and the /AUTO and /LNK arguments take
// every input; an /AUTO name never leads out of its folder.
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
  pelmora::LinkPathOfArgument(request.argument);
  const pelmora::AutoFolderPart folder = pelmora::ParseAutoFolder(request.argument);
  const pelmora::AutoNameParts parts = pelmora::ParseAutoUrlAndTitle(folder.rest);
  if (parts.message.empty()) {
    if (parts.name.empty() || parts.name.find_first_of(L"\\/:") != std::wstring::npos) __builtin_trap();
    if (parts.name.find_first_not_of(L'.') == std::wstring::npos) __builtin_trap();
  }
  return 0;
}
