// Where the program's right-click entries live in the registry and what they hold. Keys of the
// shell's classes are relative to the classes root; the Internet Explorer entry lies below
// the current user's key. No registry access here (menu_registration.cpp writes these).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pelmora {

// The entry's text in the menus, and the menu name messages quote (without the accelerator).
inline constexpr wchar_t kMenuCaption[] = L"ペルモラ(&S)";
inline constexpr wchar_t kLinkMenuCaption[] = L"リンク先を開く(&L)";
std::wstring MenuNameInMessages(std::wstring_view caption);

// File types the shell knows by these names: every file, folders, shortcut files.
inline constexpr wchar_t kAllFilesType[] = L"*";
inline constexpr wchar_t kFolderType[] = L"Directory";
inline constexpr wchar_t kLinkFileType[] = L"lnkfile";

// type\shell\Pelmora, or type\shell\Pelmora2 for shortcut files (any case), so that an
// extension entry on shortcut files never takes the place of the open-target entry.
std::wstring ShellMenuKey(std::wstring_view type);
// lnkfile\shell\Pelmora: the open-target entry on shortcut files.
std::wstring OpenTargetMenuKey();
std::wstring CommandKeyOf(std::wstring_view menuKey);
// Internet Explorer shows the key's name as the menu text.
std::wstring IeMenuKey();

// "program" "%1", and "program" /LNK "%1".
std::wstring OpenCommand(std::wstring_view programPath);
std::wstring LinkCommand(std::wstring_view programPath);

// ".ext" with the extension in lower case.
std::wstring ExtensionKey(std::wstring_view extension);
// The file type made for an extension the system does not know: abc gives AbcFile.
std::wstring FileTypeForExtension(std::wstring_view extension);

// Where a registration's keys live.
enum class RegArea {
  UserClasses,  // the current user's classes (HKEY_CURRENT_USER\Software\Classes)
  CurrentUser,  // HKEY_CURRENT_USER
};
inline constexpr wchar_t kUserClassesKey[] = L"Software\\Classes";

struct RegValueWrite {
  std::wstring key;
  std::wstring valueName;  // empty: the key's default value
  std::variant<std::wstring, std::uint32_t> data;  // REG_SZ or REG_DWORD
  bool operator==(const RegValueWrite&) const = default;
};

// One right-click entry: the values written in order (each only after the one before it was
// stored), and the keys it consists of, deepest first, in the order they are removed.
struct MenuRegistration {
  RegArea area = RegArea::UserClasses;
  std::vector<RegValueWrite> writes;
  std::vector<std::wstring> keys;
};

// The "ペルモラ" entry on a file type (`*`, `Directory` or an extension's type).
MenuRegistration ShellMenuRegistration(std::wstring_view type, std::wstring_view programPath);
// "リンク先を開く" on shortcut files.
MenuRegistration OpenTargetRegistration(std::wstring_view programPath);
// Internet Explorer's page menu: the script it runs and the program the script starts.
MenuRegistration IeMenuRegistration(std::wstring_view ieScriptPath, std::wstring_view programPath);

}  // namespace pelmora
