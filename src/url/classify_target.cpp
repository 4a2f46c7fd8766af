#include "url/classify_target.h"

#include <windows.h>
#include <shlwapi.h>

#include "text/text_rules.h"
#include "url/url_syntax.h"
#include "win/handles.h"

namespace pelmora {

using win::FindHandle;
using win::QuietCriticalErrors;
namespace {

bool IsDriveOnly(const std::wstring& path) { return path.size() == 2 && StartsWithDrive(path); }

// A directory search finds entries inside folders; a drive or share root is no such entry, and a
// folder written with a trailing backslash is searched as the folder's unnamed child. So the
// search is made for the path without trailing backslashes, and roots are asked directly.
bool EntryExists(const std::wstring& text) {
  std::wstring path = text;
  while (path.size() > 1 && path.back() == L'\\' && !PathIsRootW(path.c_str())) path.pop_back();
  if (PathIsRootW(path.c_str()) || IsDriveOnly(path)) return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  WIN32_FIND_DATAW data;
  // FindFirstFileW reports hidden, system, read-only and folder entries alike.
  const FindHandle find(FindFirstFileExW(path.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0));
  return static_cast<bool>(find);
}

TargetKind ClassifyPath(const std::wstring& text) {
  if (text.empty() || text.find(L'\0') != std::wstring::npos || HasWildcard(text) || NamesDevice(text))
    return TargetKind::Invalid;
  const QuietCriticalErrors quiet;
  if (!EntryExists(text)) return TargetKind::Invalid;
  const DWORD attributes = GetFileAttributesW(text.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return TargetKind::Invalid;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? TargetKind::Folder : TargetKind::File;
}

}  // namespace

TargetKind ClassifyTarget(const std::wstring& text) {
  if (LooksLikeUrl(text)) return CheckUrlSyntax(text);
  return ClassifyPath(text);
}

}  // namespace pelmora
