#include "shortcut/name_rules.h"

#include <gtest/gtest.h>

#include "app/code_page.h"

namespace pelmora {
namespace {

TEST(IsReservedDeviceName, WholeNamesOnlyAnyLetterCase) {
  const struct {
    const wchar_t* name;
    bool reserved;
  } cases[] = {
      {L"CON", true},   {L"con", true},   {L"Aux", true},   {L"nul", true},     {L"PRN", true},
      {L"clock$", true}, {L"com1", true}, {L"COM9", true},  {L"Lpt9", true},    {L"lpt1", true},
      {L"COM0", false}, {L"LPT0", false}, {L"COM", false},  {L"COM10", false},  {L"CON.TXT", false},
      {L"PRN1", false}, {L"LPTX", false}, {L"CLOCK", false}, {L" CON", false},  {L"", false},
      {L"ＣＯＮ", false},  // full-width letters are ordinary name characters
  };
  for (const auto& c : cases) EXPECT_EQ(IsReservedDeviceName(c.name), c.reserved) << c.name;
}

TEST(SanitizeShortcutName, ReplacesForbiddenCharactersAndDropsControlCharacters) {
  EXPECT_EQ(SanitizeShortcutName(L"a/b"), L"a\uFF0Fb");
  EXPECT_EQ(SanitizeShortcutName(L"say \"hi\""), L"say \u201Dhi\u201D");
  EXPECT_EQ(SanitizeShortcutName(L"\\/:*?\"<>|"), L"\uFFE5\uFF0F\uFF1A\uFF0A\uFF1F\u201D\uFF1C\uFF1E\uFF5C");
  EXPECT_EQ(SanitizeShortcutName(L"line1\r\nline2\tend"), L"line1line2end");
  EXPECT_EQ(SanitizeShortcutName(L"  CON  "), L"  CON  ");  // neither trimmed nor checked
  EXPECT_EQ(SanitizeShortcutName(L"日本語 (1).txt"), L"日本語 (1).txt");
  // The replacements are ANSI characters of code page 932: the name stays writable as ANSI.
  EXPECT_EQ(ToAnsiBytes(L"\u201D"), "\x81\x68");
  EXPECT_EQ(FromAnsiBytes(ToAnsiBytes(SanitizeShortcutName(L"\\/:*?\"<>|"))),
            SanitizeShortcutName(L"\\/:*?\"<>|"));
}

TEST(FindNameFault, TheFirstOffendingCharacterDecides) {
  EXPECT_EQ(FindNameFault(L"plain name").fault, NameFault::None);
  const NameFaultAt tabFirst = FindNameFault(L"a\tb:c");
  EXPECT_EQ(tabFirst.fault, NameFault::ControlCharacter);
  EXPECT_EQ(tabFirst.position, 1u);
  const NameFaultAt colonFirst = FindNameFault(L"a:b\tc");
  EXPECT_EQ(colonFirst.fault, NameFault::ForbiddenCharacter);
  EXPECT_EQ(colonFirst.position, 1u);
  EXPECT_EQ(FindNameFault(L"x\ny").fault, NameFault::ControlCharacter);
  EXPECT_EQ(FindNameFault(SanitizeShortcutName(L"a/b\t:c|\r\"")).fault, NameFault::None);
  EXPECT_STREQ(NameFaultMessage(NameFault::ForbiddenCharacter), L"ショートカット名に \\ / : * ? \" < > | は使えません。");
  EXPECT_STREQ(NameFaultMessage(NameFault::ControlCharacter), L"ショートカット名に不正な文字（改行コード等）が含まれています。");
}

// Rules run in a fixed order and the target is classified only when both fields are present.
TEST(CheckShortcutInfo, RulesInTheirFixedOrder) {
  struct Case {
    const wchar_t* target;
    const wchar_t* name;
    TargetKind targetKind;  // what the classifier answers
    bool classified;
    const wchar_t* message;  // nullptr: passes
    ShortcutField focus;
  };
  const Case cases[] = {
      {L"", L"", TargetKind::File, false, kRequiredFieldsMessage, ShortcutField::Name},
      {L"C:\\a.txt", L"   ", TargetKind::File, false, kRequiredFieldsMessage, ShortcutField::Name},
      {L"   ", L"name", TargetKind::File, false, kRequiredFieldsMessage, ShortcutField::Name},
      {L"C:\\missing", L"CON", TargetKind::Invalid, true, kInvalidTargetMessage, ShortcutField::Target},
      {L"C:\\a.txt", L"a/b", TargetKind::File, true, kForbiddenCharacterMessage, ShortcutField::Name},
      {L"C:\\a.txt", L"a\u3000b\tc:d", TargetKind::File, true, kControlCharacterMessage, ShortcutField::Name},
      {L"C:\\a.txt", L"a:b\tc", TargetKind::File, true, kForbiddenCharacterMessage, ShortcutField::Name},
      {L"C:\\a.txt", L"\tname", TargetKind::File, true, kControlCharacterMessage, ShortcutField::Name},
      {L"C:\\a.txt", L" com1 ", TargetKind::File, true, kReservedNameMessage, ShortcutField::Name},
      {L"C:\\a.txt", L"a\uFF0Fb", TargetKind::File, true, nullptr, ShortcutField::Name},
      {L"http://example.com/", L"Example", TargetKind::Url, true, nullptr, ShortcutField::Name},
  };
  for (const Case& c : cases) {
    int calls = 0;
    std::wstring classifiedText;
    const ShortcutInfoCheck check = CheckShortcutInfo(c.target, c.name, [&](const std::wstring& t) {
      ++calls;
      classifiedText = t;
      return c.targetKind;
    });
    SCOPED_TRACE(std::wstring(c.target) + L" | " + c.name);
    EXPECT_EQ(calls, c.classified ? 1 : 0);
    if (c.message) {
      EXPECT_FALSE(check.passed);
      EXPECT_EQ(check.message, c.message);
      EXPECT_EQ(check.focus, c.focus);
    } else {
      EXPECT_TRUE(check.passed);
      EXPECT_TRUE(check.message.empty());
      EXPECT_EQ(check.kind, c.targetKind);
    }
  }
}

TEST(CheckShortcutInfo, ClassifiesTheTrimmedTarget) {
  std::wstring seen;
  CheckShortcutInfo(L"  C:\\a b.txt  ", L"n", [&](const std::wstring& t) {
    seen = t;
    return TargetKind::File;
  });
  EXPECT_EQ(seen, L"C:\\a b.txt");
  EXPECT_EQ(std::wstring(kInvalidTargetMessage),
            L"リンク先のファイルまたはフォルダが存在しないか、\r\nURL文字列として正しくありません。");
}

TEST(ShortcutPathLength, CountsAnsiBytesUpTo255) {
  const std::wstring folder = L"C:\\Links\\";  // 9 bytes
  // 121 double-byte characters: 9 + 242 + 4 (".lnk") = 255 bytes.
  const std::wstring at255 = folder + std::wstring(121, L'\u3042') + L".lnk";
  ASSERT_EQ(AnsiByteCount(at255), 255u);
  EXPECT_FALSE(IsShortcutPathTooLong(at255));
  const std::wstring at256 = folder + std::wstring(121, L'\u3042') + L"x.lnk";
  EXPECT_TRUE(IsShortcutPathTooLong(at256));
  // Half-width katakana are single bytes: 242 of them fit where 121 hiragana do.
  EXPECT_FALSE(IsShortcutPathTooLong(folder + std::wstring(242, L'\uFF71') + L".lnk"));
  EXPECT_TRUE(IsShortcutPathTooLong(folder + std::wstring(122, L'\u3042') + L".lnk"));
  EXPECT_EQ(PathTooLongText(L"C:\\x.lnk"), L"ショートカットファイルのパスが長すぎます。\r\n\r\nC:\\x.lnk");
}

}  // namespace
}  // namespace pelmora
