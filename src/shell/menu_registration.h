// Puts the program's entries into the right-click menus of Explorer and Internet Explorer and
// takes them out again. The entries are the current user's (HKEY_CURRENT_USER\Software\Classes,
// which Explorer merges into the classes it shows that user), so no administrator rights are
// needed. Every operation reports failure as a value; a registration that could not be
// finished is removed again rather than left half-written.
#pragma once
#include <string>
#include <vector>

#include "shell/extension_list.h"
#include "shell/menu_layout.h"

namespace pelmora {

// "ペルモラ" on every file (`*`), on folders (`Directory`) or on an extension's file type.
bool RegisterShellMenu(const std::wstring& type, const std::wstring& programPath);
// True when the entry's own key was deleted.
bool UnregisterShellMenu(const std::wstring& type);
// "リンク先を開く" on shortcut files.
bool RegisterOpenTargetMenu(const std::wstring& programPath);
bool UnregisterOpenTargetMenu();

enum class IeMenuResult { Registered, ScriptMissing, Failed };
// Internet Explorer's page menu; the script must exist as a file.
IeMenuResult RegisterIeMenu(const std::wstring& ieScriptPath, const std::wstring& programPath);
bool UnregisterIeMenu();

// The four entries the options dialog switches on and off.
enum class MenuEntry { AllFiles, Folders, OpenTarget, InternetExplorer };
// Registered when the entry's key has a non-empty default value.
bool IsMenuRegistered(MenuEntry entry);

// The file type the system gives an extension (the default value of ".ext"); empty when none.
// The user's own classes come first, as in the merged classes root Explorer shows.
std::wstring FileTypeOfExtension(const std::wstring& extension);
// True when the extension's type carries the entry with a command.
bool IsExtensionRegistered(const std::wstring& extension);

enum class AddExtensionResult {
  Added,
  TypeNotWritten,      // the extension had no type and a new one could not be written
  SameTypeRegistered,  // another extension of the same file type already carries the entry
  NotRegistered,
};
// Gives an unknown extension the type ExtFile first, then registers the entry on its type.
AddExtensionResult AddExtensionMenu(const std::wstring& extension, const std::wstring& programPath);

enum class RemoveExtensionResult {
  Removed,
  NoFileType,  // nothing to delete: the extension has no type
  Failed,
};
// Removes the entry from the extension's type; the ".ext" key and the type stay.
RemoveExtensionResult RemoveExtensionMenu(const std::wstring& extension);

// SYSTEM/HkcrExt of the settings file.
std::vector<std::wstring> LoadExtensionList(const std::wstring& settingsFilePath);
void SaveExtensionList(const std::wstring& settingsFilePath, const std::vector<std::wstring>& entries);
// The stored extensions whose entry is still registered; the others (removed by hand, say)
// are dropped, and leave the file when the list is saved again.
ExtensionList LoadRegisteredExtensions(const std::wstring& settingsFilePath);

}  // namespace pelmora
