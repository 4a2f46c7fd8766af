#include "app/command_actions.h"

#include <windows.h>
#include <shlobj.h>

#include "app/command_line.h"
#include "shortcut/name_rules.h"
#include "shortcut/shell_link.h"
#include "text/text_rules.h"
#include "url/internet_shortcut.h"
#include "win/handles.h"
#include "win/launch.h"
#include "win/message_box.h"
#include "win/shell_folders.h"
#include "win/system.h"

namespace pelmora {
namespace {

std::wstring LnkSteps(const std::wstring& argument) {
  const std::wstring path = LinkPathOfArgument(argument);
  if (!EndsWith(ToUpper(path), L".LNK")) return kOpenParentFailedMessage;
  const ShellLink link;
  ShellLinkInfo info;
  if (!link.GetShellLinkInfo(path, info)) return kOpenParentFailedMessage;
  const std::wstring target = TrimAtNul(info.target);
  if (GetPathKind(target) == PathKind::Missing) return kLinkTargetMissingMessage;
  if (LaunchExplorer(ExplorerSelectArguments(target))) return {};
  return kOpenParentFailedMessage;
}

// Claims a free name by creating the file, so that nothing (a file or a folder, or another
// program at the same moment) is ever written over; an existing entry of any kind is taken.
enum class Claim { Made, Taken, Failed };
Claim ClaimNewFile(const std::wstring& path) {
  const win::FileHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file) return Claim::Made;
  return GetPathKind(path) == PathKind::Missing ? Claim::Failed : Claim::Taken;
}

AutoOutcome AutoSteps(const std::wstring& argument) {
  const AutoFolderPart folderPart = ParseAutoFolder(argument);
  std::wstring folder;
  switch (folderPart.kind) {
    case AutoFolderPart::Desktop:
      if (!GetSystemFolderPath(nullptr, CSIDL_DESKTOP, folder) || folder.empty()) return {kAutoDesktopMessage, {}};
      if (folder.back() == L'\\') folder.pop_back();
      break;
    case AutoFolderPart::Quoted:
      folder = folderPart.folder;
      if (GetPathKind(folder) != PathKind::Folder) return {kAutoFolderMissingMessage, {}};
      break;
    case AutoFolderPart::Usage:
      return {kAutoUsageMessage, {}};
  }
  const AutoNameParts parts = ParseAutoUrlAndTitle(folderPart.rest);
  if (!parts.message.empty()) return {parts.message, {}};

  const std::wstring path = WriteNumberedInternetShortcut(folder, parts.name, parts.url, kMaxShortcutNumber);
  if (path.empty()) return {kAutoFailedMessage, {}};
  return {{}, path};
}

[[noreturn]] void EndWith(const std::wstring& message) {
  if (!message.empty()) ShowPlainMessage(message, MB_ICONEXCLAMATION | MB_OK);
  ExitProcess(message.empty() ? 0 : 1);
}

}  // namespace

std::wstring WriteNumberedInternetShortcut(const std::wstring& folder, const std::wstring& name,
                                           const std::wstring& url, int lastNumber) {
  for (int n = 1; n <= lastNumber; ++n) {
    const std::wstring path = NumberedShortcutPath(folder, name, n);
    // The shortcut path rule of the create command: longer paths are not handled alike by every
    // part of the system (the profile functions among them), so none is written.
    if (IsShortcutPathTooLong(path)) break;
    const Claim claim = ClaimNewFile(path);
    if (claim == Claim::Taken) continue;
    if (claim == Claim::Failed) break;
    if (WriteInternetShortcut(path, url, L"", 0)) return path;
    DeleteFileW(path.c_str());  // leave no empty file behind
    break;
  }
  return {};
}

std::wstring LnkCommand(const std::wstring& argument) {
  try {
    return LnkSteps(argument);
  } catch (...) {
    return kOpenParentFailedMessage;
  }
}

AutoOutcome AutoCommand(const std::wstring& argument) {
  try {
    return AutoSteps(argument);
  } catch (...) {
    return {kAutoFailedMessage, {}};
  }
}

void RunLnkCommand(const std::wstring& argument) { EndWith(LnkCommand(argument)); }

void RunAutoCommand(const std::wstring& argument) { EndWith(AutoCommand(argument).message); }

}  // namespace pelmora
