#include "settings/settings_rules.h"

#include <gtest/gtest.h>

#include <map>

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
  EXPECT_EQ(LimitToAnsiBytes(L"aあい", 4), L"aあ");
  EXPECT_EQ(EncodeGeneral(Settings{.GetMp3Format = L"   "}, std::nullopt)[14].second, L"");  // blanks are stored empty
  EXPECT_EQ(LimitToAnsiBytes(L"ｱｲｳｴ", 3), L"ｱｲｳ");  // half-width katakana are single bytes
}

}  // namespace
}  // namespace pelmora
