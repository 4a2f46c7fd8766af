// The right-click entries' registry layout and the rules of the extension list.
#include <gtest/gtest.h>

#include "shell/extension_list.h"
#include "shell/menu_layout.h"

namespace pelmora {
namespace {

TEST(MenuLayout, ShortcutFilesGetTheirExtensionEntryBesideTheOpenTargetEntry) {
  struct Row {
    const wchar_t* type;
    const wchar_t* key;
  } rows[] = {
      {L"*", L"*\\shell\\Pelmora"},
      {L"Directory", L"Directory\\shell\\Pelmora"},
      {L"txtfile", L"txtfile\\shell\\Pelmora"},
      {L"lnkfile", L"lnkfile\\shell\\Pelmora2"},
      {L"LnkFile", L"LnkFile\\shell\\Pelmora2"},
      {L"lnkfile2", L"lnkfile2\\shell\\Pelmora"},
  };
  for (const auto& row : rows) EXPECT_EQ(ShellMenuKey(row.type), row.key) << testing::PrintToString(row.type);
  EXPECT_EQ(OpenTargetMenuKey(), L"lnkfile\\shell\\Pelmora");
  EXPECT_NE(ShellMenuKey(kLinkFileType), OpenTargetMenuKey());
}

TEST(MenuLayout, ShellEntryWritesCaptionBeforeCommandAndRemovesCommandFirst) {
  const MenuRegistration r = ShellMenuRegistration(L"lnkfile", L"C:\\p.exe");
  EXPECT_EQ(r.area, RegArea::UserClasses);
  ASSERT_EQ(r.writes.size(), 2u);
  EXPECT_EQ(r.writes[0], (RegValueWrite{L"lnkfile\\shell\\Pelmora2", L"", std::wstring(L"ペルモラ(&S)")}));
  EXPECT_EQ(r.writes[1], (RegValueWrite{L"lnkfile\\shell\\Pelmora2\\command", L"", std::wstring(L"\"C:\\p.exe\" \"%1\"")}));
  // A key with a sub-key cannot be deleted: the command goes first.
  EXPECT_EQ(r.keys, (std::vector<std::wstring>{L"lnkfile\\shell\\Pelmora2\\command", L"lnkfile\\shell\\Pelmora2"}));

  const MenuRegistration link = OpenTargetRegistration(L"C:\\p.exe");
  ASSERT_EQ(link.writes.size(), 2u);
  EXPECT_EQ(link.writes[0].data, (std::variant<std::wstring, std::uint32_t>(std::wstring(L"リンク先を開く(&L)"))));
  EXPECT_EQ(link.writes[1].data, (std::variant<std::wstring, std::uint32_t>(std::wstring(L"\"C:\\p.exe\" /LNK \"%1\""))));
}

TEST(MenuLayout, ExtensionKeysAndMadeUpTypes) {
  struct Row {
    const wchar_t* extension;
    const wchar_t* key;
    const wchar_t* type;
  } rows[] = {
      {L"abc", L".abc", L"AbcFile"}, {L"XYZ", L".xyz", L"XyzFile"}, {L"q", L".q", L"QFile"},
      {L"mP3", L".mp3", L"Mp3File"}, {L"7z", L".7z", L"7zFile"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ExtensionKey(row.extension), row.key);
    EXPECT_EQ(FileTypeForExtension(row.extension), row.type);
  }
  EXPECT_EQ(MenuNameInMessages(kMenuCaption), L"ペルモラ");
  EXPECT_EQ(MenuNameInMessages(kLinkMenuCaption), L"リンク先を開く");
}

TEST(ExtensionList, TypedTextLosesBlanksAndOneDot) {
  struct Row {
    const wchar_t* typed;
    TypedExtensionKind kind;
    const wchar_t* extension;
  } rows[] = {
      {L"txt", TypedExtensionKind::Usable, L"txt"},
      {L".txt", TypedExtensionKind::Usable, L"txt"},
      {L"  .Txt ", TypedExtensionKind::Usable, L"Txt"},
      {L"..txt", TypedExtensionKind::Usable, L".txt"},
      {L"tar.gz", TypedExtensionKind::Usable, L"tar.gz"},
      {L"", TypedExtensionKind::Empty, L""},
      {L"   ", TypedExtensionKind::Empty, L""},
      {L" . ", TypedExtensionKind::Empty, L""},
      // A "\" would name another registry key, a "," would split the stored list.
      {L"txt\\shell", TypedExtensionKind::Unusable, L"txt\\shell"},
      {L"a,b", TypedExtensionKind::Unusable, L"a,b"},
      {L"t?t", TypedExtensionKind::Unusable, L"t?t"},
      {L"a\tb", TypedExtensionKind::Unusable, L"a\tb"},
  };
  for (const auto& row : rows) {
    const TypedExtension got = ReadTypedExtension(row.typed);
    EXPECT_EQ(got.kind, row.kind) << testing::PrintToString(std::wstring(row.typed));
    if (row.kind != TypedExtensionKind::Empty) {
      EXPECT_EQ(got.extension, row.extension);
    }
  }
}

TEST(ExtensionList, KeepsUpperCaseEntriesInAlphabeticalOrderOnce) {
  ExtensionList list;
  EXPECT_EQ(list.Insert(L"txt"), 0);
  EXPECT_EQ(list.Insert(L"csv"), 0);
  EXPECT_EQ(list.Insert(L"Log"), 1);
  EXPECT_EQ(list.Insert(L"zip"), 3);
  EXPECT_EQ(list.Insert(L"Txt"), 2);  // already there
  EXPECT_EQ(list.Entries(), (std::vector<std::wstring>{L"CSV", L"LOG", L"TXT", L"ZIP"}));
  EXPECT_EQ(list.Find(L"log"), 1);
  EXPECT_EQ(list.Find(L"lo"), -1);
  EXPECT_EQ(list.Find(L"logs"), -1);
}

TEST(ExtensionList, RemovalSelectsTheNextThenTheLastThenNothing) {
  ExtensionList list;
  for (const wchar_t* e : {L"a", L"b", L"c", L"d"}) list.Insert(e);
  EXPECT_EQ(list.RemoveAt(1), 1);  // middle: the next entry moves up into its place
  EXPECT_EQ(list.Entries()[1], L"C");
  EXPECT_EQ(list.RemoveAt(2), 1);  // last: the new last entry
  EXPECT_EQ(list.RemoveAt(5), -1);  // no such entry: nothing changes
  EXPECT_EQ(list.Entries().size(), 2u);
  EXPECT_EQ(list.RemoveAt(0), 0);
  EXPECT_EQ(list.RemoveAt(0), -1);  // the only entry
  EXPECT_TRUE(list.Empty());
}

TEST(ExtensionList, StoredFormJoinsWithCommasAndReadsHandEdits) {
  EXPECT_EQ(JoinExtensionList({L"CSV", L"LOG", L"TXT"}), L"CSV,LOG,TXT");
  EXPECT_EQ(JoinExtensionList({}), L"");
  EXPECT_EQ(SplitExtensionList(L"CSV,LOG,TXT"), (std::vector<std::wstring>{L"CSV", L"LOG", L"TXT"}));
  EXPECT_EQ(SplitExtensionList(L",, txt , ,LOG,"), (std::vector<std::wstring>{L"txt", L"LOG"}));
  EXPECT_TRUE(SplitExtensionList(L"").empty());
  EXPECT_TRUE(SplitExtensionList(L" , ").empty());
}

}  // namespace
}  // namespace pelmora
