#include "url/internet_shortcut.h"

#include <windows.h>

#include <optional>

#include "settings/profile_file.h"
#include "text/ansi_limit.h"
#include "settings/settings_rules.h"
#include "text/text_rules.h"
#include "text/utf7.h"
#include "win/system.h"

namespace pelmora {
namespace {

// Windows' own sections for values the ANSI line cannot hold: .A repeats the ANSI line as it was
// when .W was written, so that a later hand edit of the ANSI line is noticed.
constexpr wchar_t kAnsiCopySection[] = L"InternetShortcut.A";
constexpr wchar_t kUnicodeSection[] = L"InternetShortcut.W";

void KeepUnicodeForm(const std::wstring& path, const wchar_t* key, const std::wstring& value) {
  if (AnsiKeepsText(value)) {
    // A form left from an earlier shortcut in this file would win over the new ANSI line.
    DeleteProfileKey(path, kAnsiCopySection, key);
    DeleteProfileKey(path, kUnicodeSection, key);
    return;
  }
  const std::string utf7 = EncodeUtf7(value);
  WriteProfileValue(path, kAnsiCopySection, key, value);
  WriteProfileValue(path, kUnicodeSection, key, std::wstring(utf7.begin(), utf7.end()));
}

bool IsSevenBit(const std::wstring& text) {
  for (const wchar_t c : text)
    if (static_cast<unsigned>(c) > 0x7F) return false;
  return true;
}

struct StoredSections {
  std::wstring main, ansiCopy, unicode;
};

// The Unicode form of a value when it is there, is 7-bit text, and the ANSI line is still the
// one written with it; else the ANSI line, cut to what the profile functions read of it.
std::wstring ReadValue(const StoredSections& sections, const wchar_t* key) {
  const auto main = SectionValue(sections.main, key);
  const auto unicode = SectionValue(sections.unicode, key);
  if (unicode && IsSevenBit(*unicode)) {
    const auto ansiCopy = SectionValue(sections.ansiCopy, key);
    if (!ansiCopy || ansiCopy == main) {
      const std::wstring decoded = TrimAtNul(DecodeUtf7(std::string(unicode->begin(), unicode->end())));
      if (!decoded.empty()) return decoded;
    }
  }
  return main ? TrimAtNul(LimitToAnsiBytes(*main, kProfileTextBytes)) : std::wstring();
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
                                ReadProfileSectionText(path, kAnsiCopySection),
                                ReadProfileSectionText(path, kUnicodeSection)};
  out.url = ReadValue(sections, L"URL");
  const auto index = SectionValue(sections.main, L"IconIndex");
  out.iconIndex = index ? ProfileNumber(*index) : 0;
  out.iconFile = ReadValue(sections, L"IconFile");
  return true;
}

}  // namespace pelmora
