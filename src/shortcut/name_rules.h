// What a shortcut name and a shortcut file path may hold, and the checks the create command
// makes before anything is written.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "url/target_kind.h"

namespace pelmora {

// The messages of the checks, shown with the exclamation icon and the program's title.
inline constexpr wchar_t kRequiredFieldsMessage[] = L"リンク先パスとショートカット名は必須です。";
inline constexpr wchar_t kInvalidTargetMessage[] =
    L"リンク先のファイルまたはフォルダが存在しないか、\r\nURL文字列として正しくありません。";
inline constexpr wchar_t kForbiddenCharacterMessage[] = L"ショートカット名に \\ / : * ? \" < > | は使えません。";
inline constexpr wchar_t kControlCharacterMessage[] = L"ショートカット名に不正な文字（改行コード等）が含まれています。";
inline constexpr wchar_t kReservedNameMessage[] = L"このショートカット名は予約デバイス名のため、使用できません。";
inline constexpr wchar_t kPathTooLongMessage[] = L"ショートカットファイルのパスが長すぎます。";

// A shortcut file path may take at most this many bytes in the ANSI code page.
inline constexpr std::size_t kMaxShortcutPathBytes = 255;

// A name Windows would take for a device once ".lnk" or ".url" is added: CON, AUX, NUL, PRN,
// CLOCK$, CONIN$, CONOUT$, COM1-COM9, LPT1-LPT9 (any letter case), alone or before a dot, as in
// "nul.txt" or "LPT1.a.b".
bool IsReservedDeviceName(std::wstring_view name);

// A proposed name made usable when it is a device's: "_" follows the device part ("CON" becomes
// "CON_", "nul.txt" becomes "nul_.txt"). Any other name comes back unchanged.
std::wstring AvoidReservedName(std::wstring_view name);

// A name proposed from a title, a tag or a file name, made usable as a file name: the
// characters file names cannot hold replaced (SanitizeShortcutName), a device name moved aside.
std::wstring ProposedFileName(std::wstring_view text);

// Replaces \ / : * ? " < > | by their full-width (or typographic) forms and removes every
// control character (U+0000-U+001F, U+007F-U+009F). Neither trims nor checks reserved names.
std::wstring SanitizeShortcutName(std::wstring_view text);

// The first character of a name that the name check refuses, and which message it gets.
enum class NameFault { None, ForbiddenCharacter, ControlCharacter };
struct NameFaultAt {
  NameFault fault = NameFault::None;
  std::size_t position = 0;  // index of the offending character; 0 when there is none
};
NameFaultAt FindNameFault(std::wstring_view name);
// The message for a fault; empty for None.
const wchar_t* NameFaultMessage(NameFault fault);

// True when the shortcut file's full path is longer than the ANSI byte limit.
bool IsShortcutPathTooLong(std::wstring_view path);
// The long-path message: the statement, an empty line, then the path.
std::wstring PathTooLongText(std::wstring_view path);

// The field that gets the focus after a failed check or a Cancel.
enum class ShortcutField { Name, Target, StartMenuPath, FavoritesPath, FreePath };

struct ShortcutInfoCheck {
  bool passed = false;
  // Whether the classifier ran (both fields were present), and the kind it gave; the caller
  // keeps that kind as the current target's.
  bool classified = false;
  TargetKind kind = TargetKind::Invalid;
  std::wstring message;  // empty when passed
  ShortcutField focus = ShortcutField::Name;
};

using TargetClassifier = std::function<TargetKind(const std::wstring& target)>;

// The checks before a create command, in their fixed order: both fields present, the target
// acceptable (the classifier runs only when both are present), the name's characters, reserved
// device names. `target` and `name` are trimmed of blanks here as well.
ShortcutInfoCheck CheckShortcutInfo(std::wstring_view target, std::wstring_view name,
                                    const TargetClassifier& classify);

}  // namespace pelmora
