#include "naming/long_path.h"

#include <windows.h>

#include "text/text_rules.h"
#include "win/handles.h"

namespace pelmora {

using win::FindHandle;

namespace {


// The stored name of the last component of `path`; empty when it does not exist.
std::wstring StoredName(const std::wstring& path) {
  WIN32_FIND_DATAW data{};
  FindHandle find(FindFirstFileW(path.c_str(), &data));
  if (!find) return {};
  data.cFileName[MAX_PATH - 1] = L'\0';
  return data.cFileName;
}

bool IsSlash(wchar_t c) { return c == L'\\' || c == L'/'; }

}  // namespace

std::wstring ExpandLongPathName(const std::wstring& original) {
  std::wstring path = ToUpper(TrimSpaces(original));
  if (path.empty()) return {};
  // A name lookup with wildcards would answer with whatever matches first.
  if (path.find_first_of(L"*?") != std::wstring::npos) return {};

  std::wstring root;
  if (path.size() >= 2 && IsSlash(path[0]) && IsSlash(path[1])) {
    // \\SERVER\SHARE: the root ends before the second "\" after the server's name starts.
    const auto first = path.find(L'\\', 2);
    if (first == std::wstring::npos) return {};
    const auto second = path.find(L'\\', first + 1);
    if (second == std::wstring::npos) return {};
    root = path.substr(0, second);
  } else {
    const auto colon = path.find(L':');
    if (colon != std::wstring::npos) root = path.substr(0, colon + 1);
  }

  const std::size_t rootEnd = root.size() + 1;  // root and the "\" after it
  if (path.size() <= rootEnd) return root + L"\\";
  if (path.back() != L'\\') path.push_back(L'\\');

  std::wstring result = root;
  for (auto slash = path.find(L'\\', rootEnd); slash != std::wstring::npos; slash = path.find(L'\\', slash + 1)) {
    const std::wstring name = StoredName(path.substr(0, slash));
    if (name.empty()) return {};
    result += L'\\';
    result += name;
  }
  return result;
}

}  // namespace pelmora
