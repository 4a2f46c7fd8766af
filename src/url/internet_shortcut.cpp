#include "url/internet_shortcut.h"

#include <windows.h>

#include <optional>

#include "settings/profile_file.h"
#include "settings/settings_rules.h"
#include "text/text_rules.h"
#include "win/system.h"

namespace pelmora {
namespace {

// Windows' own sections for values the ANSI line cannot hold: [InternetShortcut.A] and
// [InternetShortcut.W].
void KeepUnicodeForm(const std::wstring& path, const wchar_t* key, const std::wstring& value) {
  for (const ProfileWrite& write : UnicodeFormWrites(kInternetShortcutSection, key, value)) {
    if (write.value)
      WriteProfileValue(path, write.section, write.key, *write.value);
    else
      DeleteProfileKey(path, write.section, write.key);
  }
}

struct StoredSections {
  std::wstring main, ansiCopy, unicode;
};

std::wstring ReadValue(const StoredSections& sections, const wchar_t* key) {
  return ValueKeptWhole(SectionValue(sections.main, key), SectionValue(sections.ansiCopy, key),
                        SectionValue(sections.unicode, key));
}

}  // namespace

bool WriteInternetShortcut(const std::wstring& path, const std::wstring& url, const std::wstring& iconFile,
                           int iconIndex) {
  const std::wstring trimmedUrl = TrimSpaces(url);
  if (trimmedUrl.empty()) return false;
  if (!WriteProfileValue(path, kInternetShortcutSection, L"URL", trimmedUrl)) return false;
  KeepUnicodeForm(path, L"URL", trimmedUrl);
  if (!iconFile.empty()) {
    WriteProfileValue(path, kInternetShortcutSection, L"IconIndex", std::to_wstring(iconIndex));
    WriteProfileValue(path, kInternetShortcutSection, L"IconFile", iconFile);
    KeepUnicodeForm(path, L"IconFile", iconFile);
  }
  return true;
}

bool ReadInternetShortcut(const std::wstring& path, InternetShortcut& out) {
  if (path.empty() || GetPathKind(path) != PathKind::File) return false;
  const StoredSections sections{ReadProfileSectionText(path, kInternetShortcutSection),
                                ReadProfileSectionText(path, AnsiCopySection(kInternetShortcutSection)),
                                ReadProfileSectionText(path, UnicodeSection(kInternetShortcutSection))};
  out.url = ReadValue(sections, L"URL");
  const auto index = SectionValue(sections.main, L"IconIndex");
  out.iconIndex = index ? ProfileNumber(*index) : 0;
  out.iconFile = ReadValue(sections, L"IconFile");
  return true;
}

}  // namespace pelmora
