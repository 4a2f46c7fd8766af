// Any command line: the argument text, the switch rules, the /AUTO and /LNK arguments and the
// start-up targets take every input; an /AUTO name never leads out of its folder; the start-up
// text is one target whole, or several taken from it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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
  // Which paths exist is the input's choice too.
  const std::vector<std::wstring> targets =
      pelmora::StartupTargets(args, [&](const std::wstring& path) { return size > 0 && path.size() % 5 == data[0] % 5; });
  if (targets.empty() || (targets.size() == 1 && targets[0] != args)) __builtin_trap();
  for (const std::wstring& target : targets)
    if (targets.size() > 1 && (target.find(L'"') != std::wstring::npos || args.find(target) == std::wstring::npos))
      __builtin_trap();
  return 0;
}
