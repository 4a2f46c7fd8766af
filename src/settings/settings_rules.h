// How the values of the settings file read and write: numbers, switches, the general options,
// the ticked destinations. No file access here; settings_file.cpp supplies the stored texts.
#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/profile_text.h"
#include "settings/settings.h"

namespace pelmora {

inline constexpr wchar_t kGeneralSection[] = L"GENERAL";
inline constexpr wchar_t kShortcutFolderSection[] = L"ShortcutFolder";
inline constexpr wchar_t kDebugSection[] = L"Debug";

// Texts read from the file are limited to what a 512-byte ANSI buffer holds.
inline constexpr std::size_t kProfileTextBytes = 511;

// The main window's stored position, in pixels of the window system.
struct WindowLeftTop {
  int left = 0;
  int top = 0;
};

// The All Users box and the seven destination boxes (indexed by DestinationKind), 0 or 1.
struct ShortcutFolderStates {
  bool AllUsers = false;
  std::array<bool, 7> where{};
  bool operator==(const ShortcutFolderStates&) const = default;
};
// Keys of the destination boxes in the file, in DestinationKind order.
inline constexpr std::array<const wchar_t*, 7> kShortcutFolderKeys = {
    L"Desktop", L"StartMenu", L"Startup", L"Sendto", L"QuickLaunch", L"Free", L"Favorites"};

// The number a stored value reads as: its leading decimal digits after an optional minus
// sign, 0 when it does not begin with a number ("abc" is 0, "1234.5" is 1234). Held to the
// 32-bit range.
int ProfileNumber(std::wstring_view value);

// An on-by-default switch is off only for a stored 0; an off-by-default switch is on only for a
// stored 1. Absent keys (nullopt) give the default.
bool OnByDefault(std::optional<int> stored);
bool OffByDefault(std::optional<int> stored);

// The value of `key` in a section's text as GetPrivateProfileSection hands it over ("key=value"
// lines, each ended by NUL), read as GetPrivateProfileString reads it: the first line with that
// key (any letter case), blanks and tabs around key and value ignored, matching enclosing
// quotes removed. Not cut to any length. nullopt when no line has the key.
std::optional<std::wstring> SectionValue(std::wstring_view sectionText, std::wstring_view key);

// A value the ANSI code page would spoil is kept whole beside its ANSI line, as Windows keeps
// internet shortcuts: section.A repeats the ANSI line as it was written (so that a later hand
// edit of that line is noticed) and section.W holds the value in UTF-7, which any INI reader
// keeps. The writes that keep this form for `value`, or remove one left from before when the
// ANSI line holds the value whole.
ProfileWrites UnicodeFormWrites(std::wstring_view section, std::wstring_view key, std::wstring_view value);
std::wstring AnsiCopySection(std::wstring_view section);
std::wstring UnicodeSection(std::wstring_view section);
// The value read back from the three sections: the Unicode form when it is there, is 7-bit text
// and the ANSI line is still the one written with it; else the ANSI line, cut to what the
// profile functions read of it (empty when absent).
std::wstring ValueKeptWhole(const std::optional<std::wstring>& ansiLine, const std::optional<std::wstring>& ansiCopy,
                            const std::optional<std::wstring>& unicode);

// The stored text of a key of one section, as the profile functions give it; nullopt when
// the key is absent.
using StoredValue = std::function<std::optional<std::wstring>(std::wstring_view key)>;

struct GeneralOptions {
  Settings settings;
  // Present when the window position is to be restored (WindowPos on).
  std::optional<WindowLeftTop> windowLeftTop;
  // The old key GetTitle was found (with a value other than 9) and should leave the file.
  bool dropGetTitle = false;
};
GeneralOptions DecodeGeneral(const StoredValue& general);

// The ticked boxes stored in the file; each key an off-by-default switch.
ShortcutFolderStates DecodeShortcutFolder(const StoredValue& shortcutFolder);

// [Debug] WindowsVersionCheck: on unless stored as 0.
bool DecodeWindowsVersionCheck(const StoredValue& debug);

// Keys and values in the order they are written.
using KeyValues = std::vector<std::pair<std::wstring, std::wstring>>;
// WindowLeft and WindowTop appear only when WindowPos is on and a position is given.
KeyValues EncodeGeneral(const Settings& settings, std::optional<WindowLeftTop> windowLeftTop);
KeyValues EncodeShortcutFolder(const ShortcutFolderStates& states);
// What closing the main window writes: [GENERAL] in its order, then [ShortcutFolder].
ProfileWrites SettingsWrites(const Settings& settings, std::optional<WindowLeftTop> windowLeftTop,
                             const ShortcutFolderStates& states);

}  // namespace pelmora
