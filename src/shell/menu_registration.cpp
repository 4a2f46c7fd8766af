#include "shell/menu_registration.h"

#include <windows.h>

#include <type_traits>
#include <variant>

#include "win/registry.h"
#include "win/system.h"
#include "settings/profile_file.h"
#include "settings/settings_rules.h"

namespace pelmora {

namespace {

constexpr wchar_t kSystemSection[] = L"SYSTEM";
constexpr wchar_t kExtensionListKey[] = L"HkcrExt";

std::wstring KeyPath(RegArea area, std::wstring_view key) {
  if (area == RegArea::CurrentUser) return std::wstring(key);
  return std::wstring(kUserClassesKey) + L"\\" + std::wstring(key);
}

std::wstring ReadUserClassesText(std::wstring_view key) {
  return ReadRegValue(HKEY_CURRENT_USER, KeyPath(RegArea::UserClasses, key), L"");
}

bool Remove(const MenuRegistration& registration) {
  bool deleted = false;
  for (const auto& key : registration.keys) deleted = DeleteRegKey(HKEY_CURRENT_USER, KeyPath(registration.area, key));
  return deleted;
}

bool Apply(const MenuRegistration& registration) {
  for (const auto& write : registration.writes) {
    const std::wstring path = KeyPath(registration.area, write.key);
    const bool stored = std::visit(
        [&](const auto& data) {
          if constexpr (std::is_same_v<std::decay_t<decltype(data)>, std::wstring>)
            return WriteRegValue(HKEY_CURRENT_USER, path, write.valueName, std::wstring_view(data));
          else
            return WriteRegValue(HKEY_CURRENT_USER, path, write.valueName, static_cast<DWORD>(data));
        },
        write.data);
    if (!stored) {
      // A caption without its command would be an entry that does nothing.
      Remove(registration);
      return false;
    }
  }
  return true;
}

}  // namespace

bool RegisterShellMenu(const std::wstring& type, const std::wstring& programPath) {
  return Apply(ShellMenuRegistration(type, programPath));
}

bool UnregisterShellMenu(const std::wstring& type) { return Remove(ShellMenuRegistration(type, L"")); }

bool RegisterOpenTargetMenu(const std::wstring& programPath) { return Apply(OpenTargetRegistration(programPath)); }

bool UnregisterOpenTargetMenu() { return Remove(OpenTargetRegistration(L"")); }

IeMenuResult RegisterIeMenu(const std::wstring& ieScriptPath, const std::wstring& programPath) {
  if (GetPathKind(ieScriptPath) != PathKind::File) return IeMenuResult::ScriptMissing;
  return Apply(IeMenuRegistration(ieScriptPath, programPath)) ? IeMenuResult::Registered : IeMenuResult::Failed;
}

bool UnregisterIeMenu() { return Remove(IeMenuRegistration(L"", L"")); }

bool IsMenuRegistered(MenuEntry entry) {
  switch (entry) {
    case MenuEntry::AllFiles: return !ReadUserClassesText(ShellMenuKey(kAllFilesType)).empty();
    case MenuEntry::Folders: return !ReadUserClassesText(ShellMenuKey(kFolderType)).empty();
    case MenuEntry::OpenTarget: return !ReadUserClassesText(OpenTargetMenuKey()).empty();
    case MenuEntry::InternetExplorer: return !ReadRegValue(HKEY_CURRENT_USER, IeMenuKey(), L"").empty();
  }
  return false;
}

std::wstring FileTypeOfExtension(const std::wstring& extension) {
  const std::wstring key = ExtensionKey(extension);
  std::wstring type = ReadUserClassesText(key);
  if (type.empty()) type = ReadRegValue(HKEY_CLASSES_ROOT, key, L"");
  return type;
}

bool IsExtensionRegistered(const std::wstring& extension) {
  const std::wstring type = FileTypeOfExtension(extension);
  return !type.empty() && !ReadUserClassesText(CommandKeyOf(ShellMenuKey(type))).empty();
}

AddExtensionResult AddExtensionMenu(const std::wstring& extension, const std::wstring& programPath) {
  std::wstring type = FileTypeOfExtension(extension);
  if (type.empty()) {
    type = FileTypeForExtension(extension);
    if (!WriteRegValue(HKEY_CURRENT_USER, KeyPath(RegArea::UserClasses, ExtensionKey(extension)), L"", type))
      return AddExtensionResult::TypeNotWritten;
  }
  if (!ReadUserClassesText(ShellMenuKey(type)).empty()) return AddExtensionResult::SameTypeRegistered;
  return RegisterShellMenu(type, programPath) ? AddExtensionResult::Added : AddExtensionResult::NotRegistered;
}

RemoveExtensionResult RemoveExtensionMenu(const std::wstring& extension) {
  const std::wstring type = FileTypeOfExtension(extension);
  if (type.empty()) return RemoveExtensionResult::NoFileType;
  return UnregisterShellMenu(type) ? RemoveExtensionResult::Removed : RemoveExtensionResult::Failed;
}

std::vector<std::wstring> LoadExtensionList(const std::wstring& settingsFilePath) {
  const ProfileSection ansiLine(settingsFilePath, kSystemSection);
  const ProfileSection ansiCopy(settingsFilePath, AnsiCopySection(kSystemSection));
  const ProfileSection unicode(settingsFilePath, UnicodeSection(kSystemSection));
  return SplitExtensionList(ValueKeptWhole(ansiLine.Value(kExtensionListKey), ansiCopy.Value(kExtensionListKey),
                                           unicode.Value(kExtensionListKey)));
}

void SaveExtensionList(const std::wstring& settingsFilePath, const std::vector<std::wstring>& entries) {
  // An extension outside the ANSI code page keeps its Unicode form beside the list, or it would
  // no longer name its registry key when the dialog opens again. One replace of the whole file:
  // a main window may be closing at the same moment.
  const std::wstring joined = JoinExtensionList(entries);
  ProfileWrites writes{{kSystemSection, kExtensionListKey, joined}};
  for (ProfileWrite& write : UnicodeFormWrites(kSystemSection, kExtensionListKey, joined))
    writes.push_back(std::move(write));
  UpdateProfileFile(settingsFilePath, writes);
}

ExtensionList LoadRegisteredExtensions(const std::wstring& settingsFilePath) {
  ExtensionList list;
  for (const auto& entry : LoadExtensionList(settingsFilePath))
    if (ReadTypedExtension(entry).kind == TypedExtensionKind::Usable && IsExtensionRegistered(entry))
      list.Insert(entry);
  return list;
}

}  // namespace pelmora
