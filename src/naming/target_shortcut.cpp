#include "naming/target_shortcut.h"

#include "naming/derive_name.h"
#include "naming/long_path.h"
#include "text/text_rules.h"
#include "url/classify_target.h"
#include "url/internet_shortcut.h"
#include "win/system.h"

namespace pelmora {
namespace {

// A file that holds icons is its own icon, as the preview takes it.
bool HoldsIcons(const std::wstring& path) { return IconCount(path) > 0; }

// The fields a link read back shows: cut at a NUL and trimmed; without an icon of its own, its
// target's first icon (none for a bitmap).
bool ReadLink(const std::wstring& path, const ShellLink& link, ShellLinkInfo& values) {
  ShellLinkInfo read;
  if (!link.GetShellLinkInfo(path, read)) return false;
  values = read;
  for (std::wstring* text : {&values.target, &values.workingFolder, &values.arguments, &values.comment, &values.iconFile})
    *text = TrimAtNul(*text);
  if (values.iconFile.empty() && ChosenFileTypeOf(values.target) != ChosenFileType::Bitmap && HoldsIcons(values.target)) {
    values.iconFile = values.target;
    values.iconIndex = 0;
  }
  return true;
}

// An internet shortcut read back: its URL and the icon it names, nothing a link alone has.
bool ReadUrlFile(const std::wstring& path, ShellLinkInfo& values) {
  InternetShortcut shortcut;
  if (!ReadInternetShortcut(path, shortcut) || shortcut.url.empty()) return false;
  values = ShellLinkInfo{};
  values.target = shortcut.url;
  if (!shortcut.iconFile.empty()) {
    values.iconFile = shortcut.iconFile;
    values.iconIndex = shortcut.iconIndex;
  }
  return true;
}

}  // namespace

TargetShortcut ShortcutOfTarget(const std::wstring& item, bool longName, const Settings& settings,
                                const ShellLink& link) {
  TargetShortcut shortcut;
  const TargetKind kind = ClassifyTarget(item);
  if (!IsFileSystemTarget(kind)) {
    shortcut.problem = kTargetMissingReason;
    return shortcut;
  }
  const std::wstring path = longName ? ExpandLongPathName(item) : item;
  if (path.empty()) {
    shortcut.problem = kLongNameFailedReason;
    return shortcut;
  }
  const ChosenFileType type = ChosenFileTypeOf(path);
  NameProposal proposal = DeriveShortcutName(path, kind, settings);
  shortcut.name = std::move(proposal.name);
  if (type == ChosenFileType::Link || type == ChosenFileType::InternetShortcut) {
    const bool read = type == ChosenFileType::Link ? ReadLink(path, link, shortcut.values) : ReadUrlFile(path, shortcut.values);
    if (!read) shortcut.problem = kShortcutFileUnreadableReason;
    return shortcut;
  }
  ShellLinkInfo& values = shortcut.values;
  values.target = path;
  values.workingFolder = DeriveWorkingFolder(path, kind);
  values.comment = DeriveComment(path, settings, proposal.fileDescription);
  if (type != ChosenFileType::Bitmap && HoldsIcons(path)) values.iconFile = path;
  return shortcut;
}

}  // namespace pelmora
