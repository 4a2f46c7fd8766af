// The shortcut a file or folder makes when it is the only target, as the main window fills its
// fields for one: a .lnk or .url read back, a bitmap without an icon of its own, anything else
// named after its contents, with its working folder, its comment and its own first icon.
#pragma once
#include <string>

#include "settings/settings.h"
#include "shortcut/shell_link.h"

namespace pelmora {

// Why an item makes no shortcut, as a batch's summary says it.
inline constexpr wchar_t kTargetMissingReason[] = L"見つかりません";
inline constexpr wchar_t kLongNameFailedReason[] = L"長いファイル名に変換できません";
inline constexpr wchar_t kShortcutFileUnreadableReason[] = L"ショートカットファイルを読み込めません";

struct TargetShortcut {
  ShellLinkInfo values;  // a link's run size as the link holds it
  std::wstring name;
  std::wstring problem;  // empty when the item makes a shortcut
};

// `longName`: the path was handed over on the command line and takes its long form first, as a
// start-up target does.
TargetShortcut ShortcutOfTarget(const std::wstring& item, bool longName, const Settings& settings,
                                const ShellLink& link);

}  // namespace pelmora
