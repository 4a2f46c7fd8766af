// clsShellLink: writes .lnk shell links and reads their fields back, through the system's
// shell-link object.
#pragma once
#include <windows.h>

#include <string>

namespace pelmora {

// The fields of a shell link, in the order CreateShellLink takes them.
struct ShellLinkInfo {
  std::wstring target;
  std::wstring workingFolder;
  std::wstring arguments;
  std::wstring iconFile;
  int iconIndex = 0;
  int showCommand = SW_SHOW;  // 5, 7 or 3: normal, minimised, maximised
  std::wstring comment;
};

// Holds no link between calls: every call makes a fresh shell-link object and releases it
// before returning. OLE is started on the first call.
class ShellLink {
 public:
  ShellLink() = default;
  ShellLink(const ShellLink&) = delete;
  ShellLink& operator=(const ShellLink&) = delete;

  // Writes `link`, replacing a file of that name. Empty working folder, arguments or icon file
  // leave those fields unset; the comment is always set, so an empty one clears it. False when
  // the target or the link is empty or any step fails (no message).
  bool CreateShellLink(const std::wstring& link, const std::wstring& target, const std::wstring& workingFolder,
                       const std::wstring& arguments, const std::wstring& iconFile, int iconIndex, int showCmd,
                       const std::wstring& comment) const;

  // Reads the fields of `link`. Text values come back whole (cut at their end, not trimmed).
  // On false `out` may be partly filled and is not to be used.
  bool GetShellLinkInfo(const std::wstring& link, ShellLinkInfo& out) const;

  // The path of a special folder (CSIDL); false, with `path` unchanged, when the lookup fails.
  bool GetSystemFolderPath(HWND owner, int csidl, std::wstring& path) const;

  // CreateShellLink with the fields of `values`.
  bool CreateShellLink(const std::wstring& link, const ShellLinkInfo& values) const;

};

}  // namespace pelmora
