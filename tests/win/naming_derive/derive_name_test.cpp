#include "naming/derive_name.h"

#include <gtest/gtest.h>

#include "naming/target_readers.h"
#include "naming/volume_label.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TempFolder;

// Stands in for the real sanitizer: full-width forms for ":", "?" and "/", and a count of
// the names it saw.
struct StandInSanitizer {
  int calls = 0;
  NameSanitizer Function() {
    return [this](std::wstring_view text) {
      ++calls;
      std::wstring out(text);
      for (auto& c : out) {
        if (c == L':') c = L'：';
        if (c == L'?') c = L'？';
        if (c == L'/') c = L'／';
      }
      return out;
    };
  }
};

std::wstring Derive(const std::wstring& target, TargetKind kind, const Settings& settings = {}) {
  StandInSanitizer sanitizer;
  return DeriveShortcutName(target, kind, settings, {}, sanitizer.Function());
}

TEST(DeriveShortcutName, FilesFallBackToTheirFileName) {
  TempFolder dir;
  // Real files that hold nothing a reader could use: no title, no version resource, no tags.
  for (const wchar_t* name : {L"INDEX.Htm", L"page.html", L"tool.exe", L"song.mp3", L"b.tar.gz", L"readme", L"b.",
                              L"Start.Lnk", L"Site.url", L"a;b.txt"})
    ASSERT_TRUE(test::WriteFileBytes(dir / name, name == std::wstring(L"INDEX.Htm") ? "<html><body>x</body></html>" : ""));

  const struct {
    const wchar_t* file;
    int extCut;
    const wchar_t* name;
  } cases[] = {
      {L"INDEX.Htm", 1, L"INDEX"},     {L"INDEX.Htm", 0, L"INDEX.Htm"}, {L"page.html", 1, L"page"},
      {L"tool.exe", 1, L"tool"},       {L"tool.exe", 0, L"tool.exe"},   {L"song.mp3", 1, L"song"},
      {L"b.tar.gz", 1, L"b.tar"},      {L"readme", 1, L"readme"},       {L"b.", 1, L"b"},
      {L"Start.Lnk", 0, L"Start"},     {L"Site.url", 0, L"Site"},       {L"a;b.txt", 0, L"a;b.txt"},
  };
  for (const auto& c : cases) {
    Settings settings;
    settings.ExtCut = c.extCut;
    EXPECT_EQ(Derive(dir / c.file, TargetKind::File, settings), c.name) << c.file << " ExtCut=" << c.extCut;
  }
  // With every reader switched off the same names come out.
  Settings off;
  off.GetHtmlTitle = off.GetVersion = off.GetMp3Info = 0;
  EXPECT_EQ(Derive(dir / L"INDEX.Htm", TargetKind::File, off), L"INDEX");
  EXPECT_EQ(Derive(dir / L"tool.exe", TargetKind::File, off), L"tool");
}

TEST(DeriveShortcutName, FoldersAndOtherKinds) {
  EXPECT_EQ(Derive(L"C:\\Windows", TargetKind::Folder), L"Windows");
  EXPECT_EQ(Derive(L"C:\\dir\\", TargetKind::Folder), L"");
  EXPECT_EQ(Derive(L"C:\\a.b\\c.d", TargetKind::Folder), L"c.d");  // folders keep their dots
  EXPECT_EQ(Derive(L"C:\\", TargetKind::Folder), VolumeLabelOf(L"C:\\"));
  EXPECT_EQ(Derive(L"C:\\x\\y.txt", TargetKind::Invalid), L"");
}

TEST(DeriveShortcutName, UrlsWithoutTitleFetching) {
  StandInSanitizer sanitizer;
  int statusShown = 0;
  const Settings settings;  // GetUrlTitle off
  EXPECT_EQ(DeriveShortcutName(L"http://example.com/a:b", TargetKind::Url, settings,
                               [&](const std::wstring&) { ++statusShown; }, sanitizer.Function()),
            L"");
  EXPECT_EQ(statusShown, 0);
}

TEST(DeriveShortcutName, UrlTitleFailureShowsStatusAndIsNotSanitized) {
  StandInSanitizer sanitizer;
  std::vector<std::wstring> status;
  Settings settings;
  settings.GetUrlTitle = 1;
  // Nothing listens on port 1, so no title comes back.
  const std::wstring name = DeriveShortcutName(L"http://127.0.0.1:1/", TargetKind::Url, settings,
                                               [&](const std::wstring& text) { status.push_back(text); },
                                               sanitizer.Function());
  EXPECT_EQ(name, L"タイトル取得に失敗しました");
  EXPECT_EQ(status, std::vector<std::wstring>{L"タイトル取得中..."});
  EXPECT_EQ(sanitizer.calls, 0);
}

TEST(DeriveShortcutName, NamesPassThroughTheSanitizer) {
  TempFolder dir;
  ASSERT_TRUE(CreateDirectoryW((dir / L"Q&A").c_str(), nullptr));
  StandInSanitizer sanitizer;
  EXPECT_EQ(DeriveShortcutName(dir / L"Q&A", TargetKind::Folder, {}, {}, sanitizer.Function()), L"Q&A");
  EXPECT_EQ(sanitizer.calls, 1);
  // Without a sanitizer the name is returned as found.
  EXPECT_EQ(DeriveShortcutName(L"C:\\x\\a?b", TargetKind::Folder, {}, {}, {}), L"a?b");
  EXPECT_EQ(DeriveShortcutName(L"C:\\x\\a?b", TargetKind::Folder, {}, {}, sanitizer.Function()), L"a？b");
}

TEST(DeriveComment, ByTheCommentOption) {
  Settings settings;
  const struct {
    int comment;
    const wchar_t* text;
    bool empty;
  } cases[] = {
      {0, L"C:\\x\\a.txt", true}, {1, L"C:\\x\\a.txt", false}, {2, L"C:\\x\\a.txt", true},
      {5, L"C:\\x\\a.exe", true}, {1, L"", true},
  };
  for (const auto& c : cases) {
    settings.Comment = c.comment;
    const std::wstring comment = DeriveComment(c.text, settings);
    EXPECT_EQ(comment.empty(), c.empty) << c.comment << " " << c.text;
    if (!c.empty) {
      EXPECT_EQ(comment, c.text);
    }
  }
  // For an executable: the description of the version read last, even with GetVersion off.
  TempFolder dir;
  ASSERT_TRUE(test::WriteFileBytes(dir / L"tool.EXE", "MZ"));
  settings.Comment = 2;
  settings.GetVersion = 0;
  EXPECT_EQ(Derive(dir / L"tool.EXE", TargetKind::File, settings), L"tool");
  EXPECT_EQ(DeriveComment(dir / L"tool.EXE", settings), LastVersionNames().FileDescription);
}

TEST(VolumeLabelOf, MissingDrivesGiveNoLabel) {
  const DWORD drives = GetLogicalDrives();
  for (int letter = 'Q'; letter <= 'Y'; ++letter) {
    if (drives & (1u << (letter - 'A'))) continue;
    const std::wstring root = std::wstring(1, static_cast<wchar_t>(letter)) + L":\\";
    EXPECT_EQ(VolumeLabelOf(root), L"") << root;
    EXPECT_EQ(Derive(root, TargetKind::Folder), L"") << root;
    EXPECT_EQ(VolumeLabelOf(L""), L"");
    return;
  }
  GTEST_SKIP() << "every drive letter from Q to Y is in use";
}

}  // namespace
}  // namespace pelmora
