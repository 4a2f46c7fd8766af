#include "settings/settings_rules.h"

#include <climits>
#include <cstdint>

#include "text/code_page.h"
#include "text/text_rules.h"

namespace pelmora {

namespace {

// The time-outs are 16-bit values; larger ones are held at the largest.
constexpr int kMaxTimeOut = 32767;

std::optional<int> StoredNumber(const StoredValue& section, std::wstring_view key) {
  const auto text = section(key);
  if (!text) return std::nullopt;
  return ProfileNumber(*text);
}

// A size or time-out: absent, 0 and negative values give the default.
int PositiveOr(std::optional<int> stored, int fallback, int maximum) {
  if (!stored || *stored <= 0) return fallback;
  return *stored > maximum ? maximum : *stored;
}

// Blanks and tabs around a key or a value do not count, as the profile functions read them.
std::wstring_view TrimBlanksAndTabs(std::wstring_view text) {
  const auto first = text.find_first_not_of(L" \t");
  if (first == std::wstring_view::npos) return {};
  const auto last = text.find_last_not_of(L" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<std::wstring> SectionValue(std::wstring_view sectionText, std::wstring_view key) {
  std::size_t start = 0;
  while (start < sectionText.size()) {
    std::size_t end = sectionText.find(L'\0', start);
    if (end == std::wstring_view::npos) end = sectionText.size();
    const std::wstring_view line = sectionText.substr(start, end - start);
    const auto equals = line.find(L'=');
    if (equals != std::wstring_view::npos && EqualsNoCase(TrimBlanksAndTabs(line.substr(0, equals)), key)) {
      std::wstring_view value = TrimBlanksAndTabs(line.substr(equals + 1));
      if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
      return std::wstring(value);
    }
    start = end + 1;
  }
  return std::nullopt;
}

int ProfileNumber(std::wstring_view value) {
  std::size_t i = 0;
  const bool negative = !value.empty() && value[0] == L'-';
  if (negative) ++i;
  std::int64_t number = 0;
  for (; i < value.size() && value[i] >= L'0' && value[i] <= L'9'; ++i) {
    number = number * 10 + (value[i] - L'0');
    if (number > static_cast<std::int64_t>(INT_MAX) + 1) number = static_cast<std::int64_t>(INT_MAX) + 1;
  }
  if (negative) number = -number;
  if (number > INT_MAX) return INT_MAX;
  return static_cast<int>(number);
}

int OnByDefault(std::optional<int> stored) { return stored && *stored == 0 ? 0 : 1; }
int OffByDefault(std::optional<int> stored) { return stored && *stored == 1 ? 1 : 0; }

bool AnsiKeepsText(std::wstring_view text) { return FromAnsiBytes(ToAnsiBytes(text)) == text; }

std::wstring LimitToAnsiBytes(std::wstring_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes / 2 || AnsiByteCount(text) <= maxBytes) return std::wstring(text);
  std::size_t bytes = 0;
  std::size_t end = 0;
  while (end < text.size()) {
    std::size_t next = end + 1;
    // A surrogate pair is one character.
    if (sizeof(wchar_t) == 2 && text[end] >= 0xD800 && text[end] <= 0xDBFF && next < text.size() &&
        text[next] >= 0xDC00 && text[next] <= 0xDFFF)
      ++next;
    const std::size_t charBytes = AnsiByteCount(text.substr(end, next - end));
    if (bytes + charBytes > maxBytes) break;
    bytes += charBytes;
    end = next;
  }
  return std::wstring(text.substr(0, end));
}

GeneralOptions DecodeGeneral(const StoredValue& general) {
  GeneralOptions out;
  Settings& s = out.settings;
  s.WindowPos = OffByDefault(StoredNumber(general, L"WindowPos"));
  if (s.WindowPos == 1) {
    out.windowLeftTop = WindowLeftTop{StoredNumber(general, L"WindowLeft").value_or(0),
                                      StoredNumber(general, L"WindowTop").value_or(0)};
  }
  s.CheckLocation = OffByDefault(StoredNumber(general, L"CheckLocation"));
  s.NoMessage = OffByDefault(StoredNumber(general, L"NoMessage"));
  s.ArrowIcon = OffByDefault(StoredNumber(general, L"ArrowIcon"));
  s.ExitAfterCreate = OffByDefault(StoredNumber(general, L"ExitAfterCreate"));
  const int comment = StoredNumber(general, L"Comment").value_or(0);
  s.Comment = comment >= 0 && comment <= 2 ? comment : 0;

  // GetTitle is the older name of GetHtmlTitle; 9 stands for "not there".
  const int oldTitle = StoredNumber(general, L"GetTitle").value_or(9);
  if (oldTitle == 9) {
    s.GetHtmlTitle = OnByDefault(StoredNumber(general, L"GetHtmlTitle"));
  } else {
    s.GetHtmlTitle = OnByDefault(oldTitle);
    out.dropGetTitle = true;
  }

  s.GetUrlTitle = OffByDefault(StoredNumber(general, L"GetUrlTitle"));
  s.GetUrlDlgTitle = OffByDefault(StoredNumber(general, L"GetUrlDlgTitle"));
  s.HtmlBuffer = PositiveOr(StoredNumber(general, L"HtmlBuffer"), 2048, INT_MAX);
  s.ConnectTimeOut = PositiveOr(StoredNumber(general, L"ConnectTimeOut"), 5, kMaxTimeOut);
  s.ReceiveTimeOut = PositiveOr(StoredNumber(general, L"ReceiveTimeOut"), 10, kMaxTimeOut);
  s.GetVersion = OnByDefault(StoredNumber(general, L"GetVersion"));
  s.GetMp3Info = OnByDefault(StoredNumber(general, L"GetMp3Info"));
  if (const auto format = general(L"GetMp3Format"))
    s.GetMp3Format = TrimAtNul(LimitToAnsiBytes(*format, kProfileTextBytes));
  else
    s.GetMp3Format = L"%A - %T";
  s.ExtCut = OnByDefault(StoredNumber(general, L"ExtCut"));
  return out;
}

ShortcutFolderStates DecodeShortcutFolder(const StoredValue& shortcutFolder) {
  ShortcutFolderStates states;
  states.AllUsers = OffByDefault(StoredNumber(shortcutFolder, L"AllUsers"));
  for (std::size_t i = 0; i < kShortcutFolderKeys.size(); ++i)
    states.where[i] = OffByDefault(StoredNumber(shortcutFolder, kShortcutFolderKeys[i]));
  return states;
}

int DecodeWindowsVersionCheck(const StoredValue& debug) {
  return OnByDefault(StoredNumber(debug, L"WindowsVersionCheck"));
}

KeyValues EncodeGeneral(const Settings& s, std::optional<WindowLeftTop> windowLeftTop) {
  const auto number = [](int n) { return std::to_wstring(n); };
  KeyValues out;
  out.emplace_back(L"WindowPos", number(s.WindowPos));
  if (s.WindowPos == 1 && windowLeftTop) {
    out.emplace_back(L"WindowLeft", number(windowLeftTop->left));
    out.emplace_back(L"WindowTop", number(windowLeftTop->top));
  }
  out.emplace_back(L"CheckLocation", number(s.CheckLocation));
  out.emplace_back(L"NoMessage", number(s.NoMessage));
  out.emplace_back(L"ArrowIcon", number(s.ArrowIcon));
  out.emplace_back(L"ExitAfterCreate", number(s.ExitAfterCreate));
  out.emplace_back(L"Comment", number(s.Comment));
  out.emplace_back(L"GetHtmlTitle", number(s.GetHtmlTitle));
  out.emplace_back(L"GetUrlTitle", number(s.GetUrlTitle));
  out.emplace_back(L"GetUrlDlgTitle", number(s.GetUrlDlgTitle));
  out.emplace_back(L"HtmlBuffer", number(s.HtmlBuffer));
  out.emplace_back(L"ConnectTimeOut", number(s.ConnectTimeOut));
  out.emplace_back(L"ReceiveTimeOut", number(s.ReceiveTimeOut));
  out.emplace_back(L"GetVersion", number(s.GetVersion));
  out.emplace_back(L"GetMp3Info", number(s.GetMp3Info));
  // A pattern of blanks only is kept as an empty value, never as the default.
  out.emplace_back(L"GetMp3Format", TrimSpaces(s.GetMp3Format).empty() ? std::wstring() : s.GetMp3Format);
  out.emplace_back(L"ExtCut", number(s.ExtCut));
  return out;
}

KeyValues EncodeShortcutFolder(const ShortcutFolderStates& states) {
  KeyValues out;
  out.emplace_back(L"AllUsers", std::to_wstring(states.AllUsers));
  for (std::size_t i = 0; i < kShortcutFolderKeys.size(); ++i)
    out.emplace_back(kShortcutFolderKeys[i], std::to_wstring(states.where[i]));
  return out;
}

}  // namespace pelmora
