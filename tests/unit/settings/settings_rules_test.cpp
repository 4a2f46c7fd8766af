#include "settings/settings_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "text/code_page.h"

namespace pelmora {
namespace {

// A section as the profile functions hand it over; absent keys are not in the map.
StoredValue Section(std::map<std::wstring, std::wstring> values) {
  return [values = std::move(values)](std::wstring_view key) -> std::optional<std::wstring> {
    const auto it = values.find(std::wstring(key));
    return it == values.end() ? std::nullopt : std::optional(it->second);
  };
}

TEST(ProfileNumber, LeadingDigitsAfterAnOptionalMinus) {
  const std::pair<const wchar_t*, int> cases[] = {
      {L"-3000", -3000}, {L"1234.5", 1234}, {L"abc", 0},  {L"", 0},     {L"-", 0},
      {L"0x10", 0},      {L"+5", 0},        {L" 7", 0},   {L"007", 7},  {L"99999999999999999999", 2147483647},
      {L"-99999999999999999999", -2147483647 - 1},
  };
  for (const auto& [text, number] : cases) EXPECT_EQ(ProfileNumber(text), number) << text;
}

TEST(DecodeGeneral, OddValuesLoadByTheirRules) {
  const GeneralOptions options = DecodeGeneral(Section({
      {L"WindowPos", L"2"}, {L"WindowLeft", L"-3000"}, {L"Comment", L"5"}, {L"GetVersion", L"abc"},
      {L"GetMp3Info", L"7"}, {L"HtmlBuffer", L"0"}, {L"ConnectTimeOut", L"-4"}, {L"ReceiveTimeOut", L"70000"},
      {L"ExtCut", L"1234.5"}, {L"GetMp3Format", L""},
  }));
  const Settings& s = options.settings;
  EXPECT_EQ(s.WindowPos, 0);
  EXPECT_FALSE(options.windowLeftTop);
  EXPECT_EQ(s.Comment, 0);
  EXPECT_EQ(s.GetVersion, 0);
  EXPECT_EQ(s.GetMp3Info, 1);
  EXPECT_EQ(s.HtmlBuffer, 2048);
  EXPECT_EQ(s.ConnectTimeOut, 5);
  EXPECT_EQ(s.ReceiveTimeOut, 32767);
  EXPECT_EQ(s.ExtCut, 1);
  EXPECT_EQ(s.GetMp3Format, L"");  // present but empty: the default is only for an absent key
  EXPECT_EQ(DecodeGeneral(Section({})).settings.GetMp3Format, L"%A - %T");
  EXPECT_EQ(DecodeGeneral(Section({{L"Comment", L"-1"}})).settings.Comment, 0);
  EXPECT_EQ(DecodeGeneral(Section({{L"GetTitle", L"abc"}, {L"GetHtmlTitle", L"1"}})).settings.GetHtmlTitle, 0);

  const auto restored = DecodeGeneral(Section({{L"WindowPos", L"1"}, {L"WindowLeft", L"-3000"}})).windowLeftTop;
  ASSERT_TRUE(restored);
  EXPECT_EQ(restored->left, -3000);
  EXPECT_EQ(restored->top, 0);
}

TEST(DecodeGeneral, TextsAreTrimmedAndLimitedTo511Bytes) {
  EXPECT_EQ(DecodeGeneral(Section({{L"GetMp3Format", L"  %T  "}})).settings.GetMp3Format, L"%T");
  const std::wstring longPattern = L"%A" + std::wstring(600, L'あ');
  const std::wstring read = DecodeGeneral(Section({{L"GetMp3Format", longPattern}})).settings.GetMp3Format;
  EXPECT_EQ(read, longPattern.substr(0, 2 + 254));  // 510 bytes; one more character would make 512
  EXPECT_EQ(EncodeGeneral(Settings{.GetMp3Format = L"   "}, std::nullopt)[15].second, L"");  // blanks are stored empty
}

// A remembered box is ticked again only by a stored 1: All Users as much as the destinations.
TEST(DecodeShortcutFolder, OnlyAStoredOneTicksABox) {
  const std::pair<std::optional<std::wstring>, int> cases[] = {
      {L"1", 1}, {L"01", 1}, {L"2", 0}, {L"-1", 0}, {L"yes", 0}, {L"", 0}, {std::nullopt, 0},
  };
  for (const auto& [stored, ticked] : cases) {
    std::map<std::wstring, std::wstring> file;
    if (stored) file = {{L"AllUsers", *stored}, {L"Favorites", *stored}};
    const ShortcutFolderStates states = DecodeShortcutFolder(Section(file));
    EXPECT_EQ(states.AllUsers, ticked) << testing::PrintToString(stored);
    EXPECT_EQ(states.where[6], ticked) << testing::PrintToString(stored);
  }
}

std::vector<std::wstring> KeysOf(const KeyValues& values) {
  std::vector<std::wstring> keys;
  for (const auto& [key, value] : values) keys.push_back(key);
  return keys;
}

// Users and older versions read the file by eye: the keys keep their order, the position right
// after its switch and only while that switch is on.
TEST(EncodeGeneral, KeysInTheirWritingOrder) {
  const std::vector<std::wstring> rest = {
      L"CheckLocation", L"NoMessage",      L"ArrowIcon",  L"ExitAfterCreate", L"Comment",
      L"GetHtmlTitle",  L"GetUrlTitle",    L"GetUrlDlgTitle", L"GetUrlIcon",  L"HtmlBuffer",
      L"ConnectTimeOut", L"ReceiveTimeOut", L"GetVersion",    L"GetMp3Info", L"GetMp3Format",   L"ExtCut"};
  std::vector<std::wstring> withPosition = {L"WindowPos", L"WindowLeft", L"WindowTop"};
  withPosition.insert(withPosition.end(), rest.begin(), rest.end());
  std::vector<std::wstring> withoutPosition = {L"WindowPos"};
  withoutPosition.insert(withoutPosition.end(), rest.begin(), rest.end());

  EXPECT_EQ(KeysOf(EncodeGeneral(Settings{.WindowPos = 1}, WindowLeftTop{-5, 7})), withPosition);
  EXPECT_EQ(KeysOf(EncodeGeneral(Settings{.WindowPos = 1}, std::nullopt)), withoutPosition);
  EXPECT_EQ(KeysOf(EncodeGeneral(Settings{}, WindowLeftTop{-5, 7})), withoutPosition);
  const KeyValues values = EncodeGeneral(Settings{.WindowPos = 1}, WindowLeftTop{-5, 7});
  EXPECT_EQ(values[1].second, L"-5");
  EXPECT_EQ(values[2].second, L"7");
}

auto Fields(const Settings& s) {
  return std::tuple(s.WindowPos, s.CheckLocation, s.NoMessage, s.ArrowIcon, s.ExitAfterCreate, s.Comment,
                    s.GetHtmlTitle, s.GetUrlTitle, s.GetUrlDlgTitle, s.GetUrlIcon, s.HtmlBuffer, s.ConnectTimeOut,
                    s.ReceiveTimeOut, s.GetVersion, s.GetMp3Info, s.GetMp3Format, s.ExtCut);
}

// Every field comes back through the file's text from its own key. Over the four rows each
// switch gets the bits of its own number, so no two switches ever agree throughout.
TEST(DecodeGeneral, ReadsBackWhatEncodeWrote) {
  bool Settings::*const switches[] = {&Settings::WindowPos,      &Settings::CheckLocation, &Settings::NoMessage,
                                     &Settings::ArrowIcon,      &Settings::ExitAfterCreate, &Settings::GetHtmlTitle,
                                     &Settings::GetUrlTitle,    &Settings::GetUrlDlgTitle, &Settings::GetUrlIcon,
                                     &Settings::GetVersion,     &Settings::GetMp3Info,    &Settings::ExtCut};
  for (int bit = 0; bit < 4; ++bit) {
    SCOPED_TRACE(bit);
    Settings s;
    for (std::size_t i = 0; i < std::size(switches); ++i) s.*switches[i] = (((i + 1) >> bit) & 1) != 0;
    s.Comment = bit % 3;
    s.HtmlBuffer = 65536 + bit;
    s.ConnectTimeOut = 20 + bit;
    s.ReceiveTimeOut = 40 + bit;
    s.GetMp3Format = L"%T\uFF0F%A" + std::to_wstring(bit);
    std::map<std::wstring, std::wstring> file;
    for (const auto& [key, value] : EncodeGeneral(s, WindowLeftTop{-12, 345})) file[key] = value;
    const GeneralOptions back = DecodeGeneral(Section(file));
    EXPECT_EQ(Fields(back.settings), Fields(s));
    EXPECT_EQ(back.windowLeftTop.has_value(), s.WindowPos);
    EXPECT_FALSE(back.dropGetTitle);
  }
  // An empty file gives the same options as a program that never read one.
  EXPECT_EQ(Fields(DecodeGeneral(Section({})).settings), Fields(Settings{}));
}

}  // namespace
}  // namespace pelmora
