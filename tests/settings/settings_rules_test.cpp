#include "settings/settings_rules.h"

#include <gtest/gtest.h>

#include <map>

#include "app/code_page.h"

namespace pelmora {
namespace {

// A [GENERAL] section as the profile functions would hand it over.
StoredValue Section(std::map<std::wstring, std::wstring> values) {
  return [values = std::move(values)](std::wstring_view key) -> std::optional<std::wstring> {
    const auto it = values.find(std::wstring(key));
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
}

TEST(ProfileNumber, ReadsLeadingDigitsLikeTheProfileFunctions) {
  const struct {
    const wchar_t* text;
    int number;
  } cases[] = {
      {L"0", 0},           {L"1", 1},        {L"-3000", -3000},   {L"1234.5", 1234}, {L"abc", 0},
      {L"", 0},            {L"-", 0},        {L"12abc", 12},      {L" 7", 0},        {L"0x10", 0},
      {L"+5", 0},          {L"--1", 0},      {L"007", 7},         {L"2147483647", 2147483647},
      {L"99999999999999999999", 2147483647}, {L"-2147483648", -2147483647 - 1},
      {L"-99999999999999999999", -2147483647 - 1},
  };
  for (const auto& c : cases) EXPECT_EQ(ProfileNumber(c.text), c.number) << c.text;
}

TEST(Switches, StoredValuesAndAbsentKeys) {
  EXPECT_EQ(OnByDefault(std::nullopt), 1);
  EXPECT_EQ(OnByDefault(0), 0);
  EXPECT_EQ(OnByDefault(7), 1);
  EXPECT_EQ(OnByDefault(-1), 1);
  EXPECT_EQ(OffByDefault(std::nullopt), 0);
  EXPECT_EQ(OffByDefault(1), 1);
  EXPECT_EQ(OffByDefault(2), 0);
  EXPECT_EQ(OffByDefault(-1), 0);
}

TEST(DecodeGeneral, NoKeysGiveTheDefaults) {
  const GeneralOptions options = DecodeGeneral(Section({}));
  const Settings defaults;
  const Settings& s = options.settings;
  EXPECT_EQ(EncodeGeneral(s, std::nullopt), EncodeGeneral(defaults, std::nullopt));
  EXPECT_EQ(s.GetMp3Format, L"%A - %T");
  EXPECT_EQ(s.HtmlBuffer, 2048);
  EXPECT_FALSE(options.windowLeftTop);
  EXPECT_FALSE(options.dropGetTitle);
}

TEST(DecodeGeneral, OddStoredValues) {
  const GeneralOptions options = DecodeGeneral(Section({
      {L"WindowPos", L"2"},
      {L"WindowLeft", L"-3000"},
      {L"Comment", L"5"},
      {L"GetVersion", L"abc"},
      {L"GetMp3Info", L"7"},
      {L"HtmlBuffer", L"0"},
      {L"ConnectTimeOut", L"-4"},
      {L"ReceiveTimeOut", L"0"},
      {L"ExtCut", L"1234.5"},
      {L"GetMp3Format", L""},
  }));
  const Settings& s = options.settings;
  EXPECT_EQ(s.WindowPos, 0);
  EXPECT_FALSE(options.windowLeftTop);
  EXPECT_EQ(s.Comment, 0);
  EXPECT_EQ(s.GetVersion, 0);
  EXPECT_EQ(s.GetMp3Info, 1);
  EXPECT_EQ(s.HtmlBuffer, 2048);
  EXPECT_EQ(s.ConnectTimeOut, 5);
  EXPECT_EQ(s.ReceiveTimeOut, 10);
  EXPECT_EQ(s.ExtCut, 1);
  EXPECT_EQ(s.GetMp3Format, L"");  // present but empty: no default
}

TEST(DecodeGeneral, NumbersOutsideTheirRange) {
  for (const wchar_t* comment : {L"-1", L"3", L"70000"})
    EXPECT_EQ(DecodeGeneral(Section({{L"Comment", comment}})).settings.Comment, 0) << comment;
  EXPECT_EQ(DecodeGeneral(Section({{L"Comment", L"2"}})).settings.Comment, 2);
  const Settings s = DecodeGeneral(Section({{L"ConnectTimeOut", L"70000"},
                                            {L"ReceiveTimeOut", L"32767"},
                                            {L"HtmlBuffer", L"99999999999"}}))
                         .settings;
  EXPECT_EQ(s.ConnectTimeOut, 32767);
  EXPECT_EQ(s.ReceiveTimeOut, 32767);
  EXPECT_EQ(s.HtmlBuffer, 2147483647);
}

TEST(DecodeGeneral, WindowPositionOnlyWhenRestoring) {
  const auto options = DecodeGeneral(Section({{L"WindowPos", L"1"}, {L"WindowLeft", L"-3000"}, {L"WindowTop", L"x"}}));
  ASSERT_TRUE(options.windowLeftTop);
  EXPECT_EQ(options.windowLeftTop->left, -3000);
  EXPECT_EQ(options.windowLeftTop->top, 0);
  const auto withoutKeys = DecodeGeneral(Section({{L"WindowPos", L"1"}}));
  ASSERT_TRUE(withoutKeys.windowLeftTop);
  EXPECT_EQ(withoutKeys.windowLeftTop->left, 0);
}

TEST(DecodeGeneral, OldTitleKeyIsCarriedOver) {
  const struct {
    std::map<std::wstring, std::wstring> stored;
    int getHtmlTitle;
    bool drop;
  } cases[] = {
      {{{L"GetTitle", L"0"}}, 0, true},
      {{{L"GetTitle", L"0"}, {L"GetHtmlTitle", L"1"}}, 0, true},  // the old key wins once
      {{{L"GetTitle", L"1"}, {L"GetHtmlTitle", L"0"}}, 1, true},
      {{{L"GetTitle", L"abc"}}, 0, true},
      {{{L"GetTitle", L"9"}, {L"GetHtmlTitle", L"0"}}, 0, false},  // 9 means "not there"
      {{{L"GetTitle", L"9"}}, 1, false},
      {{{L"GetHtmlTitle", L"0"}}, 0, false},
  };
  for (const auto& c : cases) {
    const auto options = DecodeGeneral(Section(c.stored));
    EXPECT_EQ(options.settings.GetHtmlTitle, c.getHtmlTitle);
    EXPECT_EQ(options.dropGetTitle, c.drop);
  }
}

TEST(DecodeGeneral, Mp3PatternIsTrimmedAndLimitedTo511Bytes) {
  EXPECT_EQ(DecodeGeneral(Section({{L"GetMp3Format", L"  %T  "}})).settings.GetMp3Format, L"%T");
  const std::wstring longPattern = L"%A" + std::wstring(600, L'あ');
  const std::wstring read = DecodeGeneral(Section({{L"GetMp3Format", longPattern}})).settings.GetMp3Format;
  EXPECT_EQ(read, longPattern.substr(0, 2 + 254));  // 2 + 254 * 2 = 510 bytes; one more would be 512
}

TEST(LimitToAnsiBytes, CutsAfterWholeCharacters) {
  EXPECT_EQ(LimitToAnsiBytes(L"abc", 3), L"abc");
  EXPECT_EQ(LimitToAnsiBytes(L"abcd", 3), L"abc");
  EXPECT_EQ(LimitToAnsiBytes(L"aあい", 4), L"aあ");
  EXPECT_EQ(LimitToAnsiBytes(L"aあい", 5), L"aあい");
  EXPECT_EQ(LimitToAnsiBytes(L"ｱｲｳｴ", 3), L"ｱｲｳ");  // half-width katakana are single bytes
  EXPECT_EQ(LimitToAnsiBytes(L"", 0), L"");
  EXPECT_EQ(AnsiByteCount(LimitToAnsiBytes(std::wstring(300, L'漢'), 511)), 510u);
}

TEST(DecodeShortcutFolder, EachBoxIsAnOffByDefaultSwitch) {
  const ShortcutFolderStates states = DecodeShortcutFolder(Section({{L"AllUsers", L"1"},
                                                                    {L"Desktop", L"1"},
                                                                    {L"StartMenu", L"2"},
                                                                    {L"Startup", L"abc"},
                                                                    {L"Free", L"1"},
                                                                    {L"Favorites", L"1"}}));
  EXPECT_EQ(states.AllUsers, 1);
  EXPECT_EQ(states.where, (std::array<int, 7>{1, 0, 0, 0, 0, 1, 1}));
}

TEST(DecodeWindowsVersionCheck, OnUnlessZero) {
  EXPECT_EQ(DecodeWindowsVersionCheck(Section({})), 1);
  EXPECT_EQ(DecodeWindowsVersionCheck(Section({{L"WindowsVersionCheck", L"0"}})), 0);
  EXPECT_EQ(DecodeWindowsVersionCheck(Section({{L"WindowsVersionCheck", L"abc"}})), 0);
  EXPECT_EQ(DecodeWindowsVersionCheck(Section({{L"WindowsVersionCheck", L"5"}})), 1);
}

TEST(EncodeGeneral, KeysInTheirOrder) {
  Settings s;
  s.GetMp3Format = L"   ";
  const auto keysOf = [](const KeyValues& values) {
    std::wstring keys;
    for (const auto& [key, value] : values) keys += key + L",";
    return keys;
  };
  const std::wstring rest =
      L"CheckLocation,NoMessage,ArrowIcon,ExitAfterCreate,Comment,GetHtmlTitle,GetUrlTitle,GetUrlDlgTitle,"
      L"HtmlBuffer,ConnectTimeOut,ReceiveTimeOut,GetVersion,GetMp3Info,GetMp3Format,ExtCut,";
  EXPECT_EQ(keysOf(EncodeGeneral(s, WindowLeftTop{10, 20})), L"WindowPos," + rest);
  s.WindowPos = 1;
  EXPECT_EQ(keysOf(EncodeGeneral(s, std::nullopt)), L"WindowPos," + rest);
  const KeyValues withPosition = EncodeGeneral(s, WindowLeftTop{-5, 20});
  EXPECT_EQ(keysOf(withPosition), L"WindowPos,WindowLeft,WindowTop," + rest);
  EXPECT_EQ(withPosition[1].second, L"-5");
  EXPECT_EQ(withPosition[16].first, L"GetMp3Format");
  EXPECT_EQ(withPosition[16].second, L"");  // blanks only are stored empty
  EXPECT_EQ(keysOf(EncodeShortcutFolder({})), L"AllUsers,Desktop,StartMenu,Startup,Sendto,QuickLaunch,Free,Favorites,");
}

}  // namespace
}  // namespace pelmora
