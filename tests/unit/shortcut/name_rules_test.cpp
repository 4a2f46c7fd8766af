#include "shortcut/name_rules.h"

#include <gtest/gtest.h>

#include "text/code_page.h"
#include "text/text_rules.h"

namespace pelmora {
namespace {

// Windows takes the part before the first dot, without trailing blanks, for the device: a
// shortcut "nul.txt" would be written as "nul.txt.lnk", which is the device NUL.
TEST(IsReservedDeviceName, TheNameBeforeItsFirstDotAnyLetterCase) {
  for (const wchar_t* name : {L"CON", L"aux", L"Nul", L"PRN", L"clock$", L"com1", L"COM9", L"Lpt9", L"lpt1",
                              L"nul.txt", L"CON.TXT", L"aux.info", L"LPT1.a.b", L"Com1 .log", L"CON.", L"conin$",
                              L"CONOUT$.log", L"COM\u00B9", L"lpt\u00B3.x", L"prn:x"})
    EXPECT_TRUE(IsReservedDeviceName(name)) << name;
  for (const wchar_t* name : {L"COM0", L"LPT0", L"COM", L"COM10", L"PRN1", L" CON", L"", L"\uFF23\uFF2F\uFF2E",
                              L"CONFIG.SYS", L"NULL", L".CON", L"a.CON", L"CONIN", L"COM1x.txt", L"COM\u2074",
                              L"CON_", L"C ON"})
    EXPECT_FALSE(IsReservedDeviceName(name)) << name;
}

TEST(AvoidReservedName, AnUnderscoreFollowsTheDevicePartOnly) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"CON", L"CON_"},         {L"nul.txt", L"nul_.txt"}, {L"LPT1.a.b", L"LPT1_.a.b"},
      {L"Com1 .log", L"Com1_ .log"}, {L"clock$", L"clock$_"},   {L"Notes", L"Notes"},
      {L"COM10", L"COM10"},      {L"", L""},
  };
  for (const auto& [name, usable] : cases) {
    EXPECT_EQ(AvoidReservedName(name), usable) << name;
    EXPECT_FALSE(IsReservedDeviceName(AvoidReservedName(name))) << name;
  }
}

TEST(SanitizeShortcutName, ReplacesForbiddenCharactersAndDropsControlCharacters) {
  using namespace std::string_literals;
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"a/b", L"a\uFF0Fb"},
      {L"\\/:*?\"<>|", L"\uFFE5\uFF0F\uFF1A\uFF0A\uFF1F\u201D\uFF1C\uFF1E\uFF5C"},
      {L"  line1\r\nline2\tend ", L"  line1line2end "},  // not trimmed
      // Every C0 control, DEL and the C1 range go; the blank, "~" and the no-break space stay.
      {L"a\0b\x01"s L"c\x1F \x7E\x7F\x80\x85\x9F\xA0" L"d", L"abc ~\xA0" L"d"},
  };
  for (const auto& [text, sanitized] : cases) EXPECT_EQ(SanitizeShortcutName(text), sanitized);
  std::wstring everyControl;
  for (wchar_t c = 0; c < 0xA0; ++c)
    if (c < 0x20 || c >= 0x7F) everyControl.push_back(c);
  EXPECT_EQ(SanitizeShortcutName(everyControl), L"");
  // The typographic quote is an ANSI character of code page 932, so the name stays writable.
  EXPECT_EQ(ToAnsiBytes(SanitizeShortcutName(L"\"")), "\x81\x68");
}

// The rules run in a fixed order; the target is classified only when both fields are present,
// and the first offending character of the name picks the message.
TEST(CheckShortcutInfo, RulesInTheirFixedOrder) {
  const struct {
    const wchar_t* target;
    const wchar_t* name;
    TargetKind targetKind;  // what the classifier answers
    bool classified;
    const wchar_t* message;  // nullptr: passes
    ShortcutField focus;
  } cases[] = {
      {L"", L"", TargetKind::File, false, kRequiredFieldsMessage, ShortcutField::Name},
      {L"C:\\a.txt", L"   ", TargetKind::File, false, kRequiredFieldsMessage, ShortcutField::Name},
      {L"C:\\missing", L"CON", TargetKind::Invalid, true, kInvalidTargetMessage, ShortcutField::Target},
      {L"C:\\a.txt", L"a/b", TargetKind::File, true, kForbiddenCharacterMessage, ShortcutField::Name},
      {L"C:\\a.txt", L"a\tb:c", TargetKind::File, true, kControlCharacterMessage, ShortcutField::Name},
      {L"C:\\a.txt", L"a:b\tc", TargetKind::File, true, kForbiddenCharacterMessage, ShortcutField::Name},
      {L"C:\\a.txt", L"\tname", TargetKind::File, true, kControlCharacterMessage, ShortcutField::Name},
      {L"C:\\a.txt", L" com1 ", TargetKind::File, true, kReservedNameMessage, ShortcutField::Name},
      {L"C:\\a.txt", L"nul.txt", TargetKind::File, true, kReservedNameMessage, ShortcutField::Name},
      {L"C:\\a.txt", L"title\x01", TargetKind::File, true, kControlCharacterMessage, ShortcutField::Name},
      {L"C:\\a.txt", L"a\x7F:b", TargetKind::File, true, kControlCharacterMessage, ShortcutField::Name},
      {L"C:\\a.txt", L"a\x9F", TargetKind::File, true, kControlCharacterMessage, ShortcutField::Name},
      {L"C:\\a.txt", L"a\xA0" L"b", TargetKind::File, true, nullptr, ShortcutField::Name},
      {L"  C:\\a.txt ", L"a\uFF0Fb", TargetKind::File, true, nullptr, ShortcutField::Name},
      {L"http://example.com/", L"Example", TargetKind::Url, true, nullptr, ShortcutField::Name},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::wstring(c.target) + L" | " + c.name);
    std::vector<std::wstring> classified;
    const ShortcutInfoCheck check = CheckShortcutInfo(c.target, c.name, [&](const std::wstring& t) {
      classified.push_back(t);
      return c.targetKind;
    });
    ASSERT_EQ(classified.size(), c.classified ? 1u : 0u);
    EXPECT_EQ(classified, c.classified ? std::vector<std::wstring>{TrimSpaces(c.target)} : classified);
    EXPECT_EQ(check.passed, c.message == nullptr);
    EXPECT_EQ(check.message, c.message ? c.message : L"");
    EXPECT_EQ(check.focus, c.focus);
    EXPECT_EQ(check.classified, c.classified);
    EXPECT_EQ(check.kind, c.classified ? c.targetKind : TargetKind::Invalid);
  }
  // Every one of the nine characters the message names is refused, alone in a typed name.
  for (const wchar_t c : std::wstring_view(L"\\/:*?\"<>|")) {
    const ShortcutInfoCheck check = CheckShortcutInfo(L"C:\\a.txt", std::wstring(L"a") + c + L"b",
                                                      [](const std::wstring&) { return TargetKind::File; });
    EXPECT_EQ(check.message, kForbiddenCharacterMessage) << static_cast<int>(c);
  }
}

TEST(ShortcutPathLength, CountsAnsiBytesUpTo255) {
  const std::wstring folder = L"C:\\Links\\";  // 9 bytes; 121 double-byte characters and ".lnk" make 255
  EXPECT_FALSE(IsShortcutPathTooLong(folder + std::wstring(121, L'\u3042') + L".lnk"));
  EXPECT_TRUE(IsShortcutPathTooLong(folder + std::wstring(121, L'\u3042') + L"x.lnk"));
  EXPECT_FALSE(IsShortcutPathTooLong(folder + std::wstring(242, L'\uFF71') + L".lnk"));  // half-width: 1 byte
  EXPECT_EQ(PathTooLongText(L"C:\\x.lnk"), L"ショートカットファイルのパスが長すぎます。\r\n\r\nC:\\x.lnk");
}

}  // namespace
}  // namespace pelmora
