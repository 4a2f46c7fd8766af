#include "url/classify_target.h"

#include <windows.h>
#include <shlwapi.h>

#include "url/url_syntax.h"

namespace pelmora {
namespace {

// A drive that is not ready must not bring up the system's "insert a disk" box.
class QuietCriticalErrors {
 public:
  QuietCriticalErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_); }
  ~QuietCriticalErrors() { SetThreadErrorMode(previous_, nullptr); }
  QuietCriticalErrors(const QuietCriticalErrors&) = delete;
  QuietCriticalErrors& operator=(const QuietCriticalErrors&) = delete;

 private:
  DWORD previous_ = 0;
};

class FindHandle {
 public:
  explicit FindHandle(HANDLE h) : h_(h) {}
  ~FindHandle() {
    if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  bool Found() const { return h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

bool IsDriveOnly(const std::wstring& path) {
  return path.size() == 2 && path[1] == L':' && ((path[0] | 0x20) >= L'a' && (path[0] | 0x20) <= L'z');
}

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
  return find.Found();
}

TargetKind ClassifyPath(const std::wstring& text) {
  if (text.empty() || text.find(L'\0') != std::wstring::npos || HasWildcard(text)) return TargetKind::Invalid;
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
