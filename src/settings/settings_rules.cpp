#include "settings/settings_rules.h"

#include <climits>
#include <cstdint>

#include "text/ansi_limit.h"
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

// How a key of [GENERAL] reads: a switch (on only for a stored 1 when it defaults to 0, off only
// for a stored 0 when it defaults to 1), a choice 0..maximum (anything else gives the default), a
// positive number up to a maximum (absent, 0 or negative gives the default), or a text.
enum class GeneralRule { Switch, Choice, Positive, Text };

struct GeneralKey {
  const wchar_t* key;
  GeneralRule rule;
  int Settings::*number = nullptr;  // Choice and Positive
  int fallback = 0;                 // what an absent key gives (for a switch: 1 on, 0 off)
  int maximum = 0;                  // Choice and Positive
  std::wstring Settings::*text = nullptr;
  const wchar_t* textFallback = L"";
  bool Settings::*flag = nullptr;  // Switch
};

// The keys of [GENERAL] in the order they are written.
const GeneralKey kGeneralKeys[] = {
    {.key = L"WindowPos", .rule = GeneralRule::Switch, .flag = &Settings::WindowPos},
    {.key = L"CheckLocation", .rule = GeneralRule::Switch, .flag = &Settings::CheckLocation},
    {.key = L"NoMessage", .rule = GeneralRule::Switch, .flag = &Settings::NoMessage},
    {.key = L"ArrowIcon", .rule = GeneralRule::Switch, .flag = &Settings::ArrowIcon},
    {.key = L"ExitAfterCreate", .rule = GeneralRule::Switch, .flag = &Settings::ExitAfterCreate},
    {L"Comment", GeneralRule::Choice, &Settings::Comment, 0, 2},
    {.key = L"GetHtmlTitle", .rule = GeneralRule::Switch, .fallback = 1, .flag = &Settings::GetHtmlTitle},
    {.key = L"GetUrlTitle", .rule = GeneralRule::Switch, .flag = &Settings::GetUrlTitle},
    {.key = L"GetUrlDlgTitle", .rule = GeneralRule::Switch, .flag = &Settings::GetUrlDlgTitle},
    {.key = L"GetUrlIcon", .rule = GeneralRule::Switch, .fallback = 1, .flag = &Settings::GetUrlIcon},
    {L"HtmlBuffer", GeneralRule::Positive, &Settings::HtmlBuffer, 2048, INT_MAX},
    {L"ConnectTimeOut", GeneralRule::Positive, &Settings::ConnectTimeOut, 5, kMaxTimeOut},
    {L"ReceiveTimeOut", GeneralRule::Positive, &Settings::ReceiveTimeOut, 10, kMaxTimeOut},
    {.key = L"GetVersion", .rule = GeneralRule::Switch, .fallback = 1, .flag = &Settings::GetVersion},
    {.key = L"GetMp3Info", .rule = GeneralRule::Switch, .fallback = 1, .flag = &Settings::GetMp3Info},
    {L"GetMp3Format", GeneralRule::Text, nullptr, 0, 0, &Settings::GetMp3Format, L"%A - %T"},
    {.key = L"ExtCut", .rule = GeneralRule::Switch, .fallback = 1, .flag = &Settings::ExtCut},
};

std::wstring SwitchValue(bool on) { return on ? L"1" : L"0"; }

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

std::wstring AnsiCopySection(std::wstring_view section) { return std::wstring(section) + L".A"; }
std::wstring UnicodeSection(std::wstring_view section) { return std::wstring(section) + L".W"; }

ProfileWrites UnicodeFormWrites(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  const std::wstring k(key);
  // A form left from an earlier value would win over the new ANSI line.
  if (AnsiKeepsText(value))
    return {{AnsiCopySection(section), k, std::nullopt}, {UnicodeSection(section), k, std::nullopt}};
  const std::string utf7 = EncodeCodePage(kUtf7, value);
  return {{AnsiCopySection(section), k, std::wstring(value)},
          {UnicodeSection(section), k, std::wstring(utf7.begin(), utf7.end())}};
}

std::wstring ValueKeptWhole(const std::optional<std::wstring>& ansiLine, const std::optional<std::wstring>& ansiCopy,
                            const std::optional<std::wstring>& unicode) {
  const auto sevenBit = [](const std::wstring& text) {
    for (const wchar_t c : text)
      if (static_cast<unsigned>(c) > 0x7F) return false;
    return true;
  };
  if (unicode && sevenBit(*unicode) && (!ansiCopy || ansiCopy == ansiLine)) {
    const std::wstring decoded = TrimAtNul(DecodeCodePage(kUtf7, std::string(unicode->begin(), unicode->end())));
    if (!decoded.empty()) return decoded;
  }
  return ansiLine ? TrimAtNul(LimitToAnsiBytes(*ansiLine, kProfileTextBytes)) : std::wstring();
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

bool OnByDefault(std::optional<int> stored) { return !(stored && *stored == 0); }
bool OffByDefault(std::optional<int> stored) { return stored && *stored == 1; }

GeneralOptions DecodeGeneral(const StoredValue& general) {
  GeneralOptions out;
  Settings& s = out.settings;
  for (const GeneralKey& row : kGeneralKeys) {
    if (row.rule == GeneralRule::Text) {
      const auto text = general(row.key);
      s.*row.text = text ? TrimAtNul(LimitToAnsiBytes(*text, kProfileTextBytes)) : row.textFallback;
      continue;
    }
    const std::optional<int> stored = StoredNumber(general, row.key);
    if (row.rule == GeneralRule::Switch) {
      s.*row.flag = row.fallback == 1 ? OnByDefault(stored) : OffByDefault(stored);
      continue;
    }
    int& field = s.*row.number;
    switch (row.rule) {
      case GeneralRule::Switch: break;
      case GeneralRule::Choice: {
        const int chosen = stored.value_or(row.fallback);
        field = chosen >= 0 && chosen <= row.maximum ? chosen : row.fallback;
        break;
      }
      case GeneralRule::Positive: field = PositiveOr(stored, row.fallback, row.maximum); break;
      case GeneralRule::Text: break;
    }
  }
  if (s.WindowPos) {
    out.windowLeftTop = WindowLeftTop{StoredNumber(general, L"WindowLeft").value_or(0),
                                      StoredNumber(general, L"WindowTop").value_or(0)};
  }
  // GetTitle is the older name of GetHtmlTitle; 9 stands for "not there".
  if (const int oldTitle = StoredNumber(general, L"GetTitle").value_or(9); oldTitle != 9) {
    s.GetHtmlTitle = OnByDefault(oldTitle);
    out.dropGetTitle = true;
  }
  return out;
}

ShortcutFolderStates DecodeShortcutFolder(const StoredValue& shortcutFolder) {
  ShortcutFolderStates states;
  states.AllUsers = OffByDefault(StoredNumber(shortcutFolder, L"AllUsers"));
  for (std::size_t i = 0; i < kShortcutFolderKeys.size(); ++i)
    states.where[i] = OffByDefault(StoredNumber(shortcutFolder, kShortcutFolderKeys[i]));
  return states;
}

bool DecodeWindowsVersionCheck(const StoredValue& debug) {
  return OnByDefault(StoredNumber(debug, L"WindowsVersionCheck"));
}

KeyValues EncodeGeneral(const Settings& s, std::optional<WindowLeftTop> windowLeftTop) {
  KeyValues out;
  for (const GeneralKey& row : kGeneralKeys) {
    if (row.rule == GeneralRule::Text) {
      // A text of blanks only is kept as an empty value, never as the default.
      const std::wstring& text = s.*row.text;
      out.emplace_back(row.key, TrimSpaces(text).empty() ? std::wstring() : text);
      continue;
    }
    out.emplace_back(row.key, row.rule == GeneralRule::Switch ? SwitchValue(s.*row.flag) : std::to_wstring(s.*row.number));
    // The position follows its switch, and only when it is to be restored.
    if (row.flag == &Settings::WindowPos && s.WindowPos && windowLeftTop) {
      out.emplace_back(L"WindowLeft", std::to_wstring(windowLeftTop->left));
      out.emplace_back(L"WindowTop", std::to_wstring(windowLeftTop->top));
    }
  }
  return out;
}

KeyValues EncodeShortcutFolder(const ShortcutFolderStates& states) {
  KeyValues out;
  out.emplace_back(L"AllUsers", SwitchValue(states.AllUsers));
  for (std::size_t i = 0; i < kShortcutFolderKeys.size(); ++i)
    out.emplace_back(kShortcutFolderKeys[i], SwitchValue(states.where[i]));
  return out;
}

ProfileWrites SettingsWrites(const Settings& settings, std::optional<WindowLeftTop> windowLeftTop,
                             const ShortcutFolderStates& states) {
  ProfileWrites out;
  for (auto& [key, value] : EncodeGeneral(settings, windowLeftTop)) out.push_back({kGeneralSection, key, value});
  for (auto& [key, value] : EncodeShortcutFolder(states)) out.push_back({kShortcutFolderSection, key, value});
  return out;
}

}  // namespace pelmora
