#include "shortcut/shutdown_guard.h"

#include <string>

#include "text/text_rules.h"

namespace pelmora {
namespace {

std::wstring LastComponent(std::wstring_view path) {
  const auto slash = path.find_last_of(L"\\/");
  return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

std::wstring WithoutQuotesAndBlanks(std::wstring_view text) {
  std::wstring out;
  for (const wchar_t c : text)
    if (c != L'"' && c != L' ' && c != L'\t') out.push_back(c);
  return out;
}

// The launcher runs "library,entry further-arguments": does it name this library and entry?
bool RunsEntry(std::wstring_view arguments, std::wstring_view library, std::wstring_view entry) {
  const std::wstring upper = ToUpper(arguments);
  const auto comma = upper.find(L',');
  if (comma == std::wstring::npos) return false;
  const std::wstring dll = LastComponent(WithoutQuotesAndBlanks(std::wstring_view(upper).substr(0, comma)));
  const std::wstring withoutExtension = dll.substr(0, dll.rfind(L'.'));
  if (withoutExtension != library) return false;
  std::wstring_view rest = std::wstring_view(upper).substr(comma + 1);
  while (!rest.empty() && (rest.front() == L' ' || rest.front() == L'\t')) rest.remove_prefix(1);
  if (rest.substr(0, entry.size()) != entry) return false;
  // The entry name ends there: SHExitWindowsExtra would be another entry.
  return rest.size() == entry.size() || rest[entry.size()] == L' ' || rest[entry.size()] == L'\t' ||
         rest[entry.size()] == L'"';
}

}  // namespace

bool IsShutdownCommand(std::wstring_view target, std::wstring_view arguments) {
  const std::wstring program = ToUpper(LastComponent(TrimSpaces(target)));
  if (program == L"RUNDLL32.EXE") return RunsEntry(arguments, L"SHELL32", L"SHEXITWINDOWSEX");
  if (program == L"RUNDLL.EXE") return RunsEntry(arguments, L"USER", L"EXITWINDOWSEXEC");
  return false;
}

}  // namespace pelmora
