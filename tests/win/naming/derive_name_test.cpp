#include "naming/derive_name.h"

#include <gtest/gtest.h>

#include "naming/target_readers.h"
#include "naming/volume_label.h"
#include "reader_test.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TempFolder;

std::wstring Derive(const std::wstring& target, TargetKind kind, const Settings& settings = {}) {
  return DeriveShortcutName(target, kind, settings).name;
}

TEST(DeriveShortcutName, TargetsWithoutInnerNamesFallBackToTheirPath) {
  TempFolder dir;
  // Real files that hold nothing a reader could use: no title, no version resource, no tags.
  for (const wchar_t* name : {L"INDEX.Htm", L"tool.exe", L"song.mp3", L"b.tar.gz", L"Start.Lnk", L"Site.url"})
    ASSERT_TRUE(test::WriteFileBytes(dir / name, "<html><body>MZ</body></html>"));
  const struct {
    std::wstring target;
    TargetKind kind;
    int extCut;
    const wchar_t* name;
  } cases[] = {
      {dir / L"INDEX.Htm", TargetKind::File, 1, L"INDEX"},   {dir / L"INDEX.Htm", TargetKind::File, 0, L"INDEX.Htm"},
      {dir / L"tool.exe", TargetKind::File, 1, L"tool"},     {dir / L"song.mp3", TargetKind::File, 0, L"song.mp3"},
      {dir / L"b.tar.gz", TargetKind::File, 1, L"b.tar"},    {dir / L"Start.Lnk", TargetKind::File, 0, L"Start"},
      {dir / L"Site.url", TargetKind::File, 0, L"Site"},     {L"C:\\Windows", TargetKind::Folder, 1, L"Windows"},
      {L"C:\\a.b\\c?d", TargetKind::Folder, 1, L"c？d"},     {L"C:\\dir\\", TargetKind::Folder, 1, L""},
      {L"C:\\x\\y.txt", TargetKind::Invalid, 1, L""},        {L"http://example.com/", TargetKind::Url, 1, L""},
  };
  for (const auto& c : cases) {
    Settings settings;
    settings.ExtCut = c.extCut;
    EXPECT_EQ(Derive(c.target, c.kind, settings), c.name) << c.target << " ExtCut=" << c.extCut;
  }
  EXPECT_EQ(Derive(L"C:\\", TargetKind::Folder), VolumeLabelOf(L"C:\\"));
  for (wchar_t letter = L'Q'; letter <= L'Y'; ++letter) {
    if (GetLogicalDrives() & (1u << (letter - L'A'))) continue;
    EXPECT_EQ(Derive(std::wstring(1, letter) + L":\\", TargetKind::Folder), L"") << "no drive " << static_cast<char>(letter);
    break;
  }
}

TEST(DeriveShortcutName, AUrlAsksForItsPageTitleOnlyWhenTitlesAreWanted) {
  Settings settings;
  for (int wanted : {0, 1}) {
    settings.GetUrlTitle = wanted;
    const NameProposal proposal = DeriveShortcutName(L"http://example.com/", TargetKind::Url, settings);
    EXPECT_EQ(proposal.fetchTitle, wanted == 1);
    EXPECT_EQ(proposal.name, L"");
  }
}

class FetchedPageName : public test::ReaderTest {};

TEST_F(FetchedPageName, TheTitleMadeSafeOrTheFailureText) {
  PutOthersTempEntries();  // the name comes from the bytes in memory, whatever the folder holds
  Settings settings;
  EXPECT_EQ(NameFromFetchedPage("<title>a/b: c?</title>", settings), L"a／b： c？");
  EXPECT_EQ(NameFromFetchedPage("<title>CON</title>", settings), L"CON_");  // a device's name is no file's
  // The failure text is the program's own and is not altered.
  EXPECT_EQ(NameFromFetchedPage("<html>no title</html>", settings), L"タイトル取得に失敗しました");
  EXPECT_EQ(NameFromFetchedPage("", settings), L"タイトル取得に失敗しました");
  ExpectOthersTempEntriesKept();
}

TEST(DeriveComment, ByTheCommentOption) {
  Settings settings;
  for (int comment : {0, 2, 5}) {
    settings.Comment = comment;
    EXPECT_EQ(DeriveComment(L"C:\\x\\a.txt", settings, L"d"), L"") << comment;
  }
  settings.Comment = 1;
  EXPECT_EQ(DeriveComment(L"C:\\x\\a.txt", settings, L"d"), L"C:\\x\\a.txt");
  // An executable's description comes from the version read while naming, even with GetVersion off.
  TempFolder dir;
  ASSERT_TRUE(test::WriteFileBytes(dir / L"tool.EXE", "MZ"));
  settings.Comment = 2;
  settings.GetVersion = 0;
  const NameProposal proposal = DeriveShortcutName(dir / L"tool.EXE", TargetKind::File, settings);
  EXPECT_EQ(proposal.name, L"tool");
  EXPECT_EQ(DeriveComment(dir / L"tool.EXE", settings, L"説明"), L"説明");
}

}  // namespace
}  // namespace pelmora
