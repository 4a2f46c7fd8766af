// The main job end to end: the real window, real files, the real special folders of the prefix.
#include <gtest/gtest.h>

#include "app/overwrite_question.h"
#include "text/code_page.h"
#include "win/system.h"
#include "resource.h"
#include "naming/path_names.h"
#include "shortcut/shell_link.h"
#include "support/lnk_reader.h"
#include "support/win/data_object.h"
#include "support/win/gui_driver.h"
#include "support/win/main_window_fixture.h"
#include "support/win/test_env.h"
#include "url/internet_shortcut.h"

namespace pelmora {
namespace {

using test::Click;
using test::MainWindowSession;
using test::ScriptedMessageBoxes;
using test::TempFolder;
using test::Type;

const wchar_t kAllCreated[] = L"ショートカットはすべて作成されました。";
const wchar_t kSomeNotCreated[] = L"いくつかのショートカットが作成されませんでした。";

using test::SettingsFile;

std::wstring Unique(const std::wstring& stem) {
  static int counter = 0;
  return stem + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
}

std::optional<test::LnkFile> ReadLink(const std::wstring& path) {
  return test::ReadLnkFile(test::ReadFileBytes(path));
}

// Answers a batch's overwrite questions in place of a person, in order (then キャンセル), and
// records what was asked.
class ScriptedOverwrites {
 public:
  explicit ScriptedOverwrites(std::deque<OverwriteAnswer> answers) : answers_(std::move(answers)) {
    SetOverwriteResponder([this](HWND, const std::wstring& text) {
      asked.push_back(text);
      if (answers_.empty()) return OverwriteAnswer::Cancel;
      const OverwriteAnswer answer = answers_.front();
      answers_.pop_front();
      return answer;
    });
  }
  ~ScriptedOverwrites() { SetOverwriteResponder({}); }
  std::vector<std::wstring> asked;

 private:
  std::deque<OverwriteAnswer> answers_;
};

std::wstring Quoted(const std::wstring& path) {
  return path.find(L' ') == std::wstring::npos ? path : L"\"" + path + L"\"";
}

// Files `stem` 0.txt, `stem` 1.txt ... in `dir`.
std::vector<std::wstring> MakeFiles(const TempFolder& dir, const std::wstring& stem, int count) {
  std::vector<std::wstring> files;
  for (int i = 0; i < count; ++i) {
    files.push_back(dir / (stem + std::to_wstring(i) + L".txt"));
    EXPECT_TRUE(test::WriteFileBytes(files.back(), "x"));
  }
  return files;
}

int LinksIn(const std::wstring& folder) {
  int count = 0;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*.lnk").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do ++count;
  while (FindNextFileW(find, &data));
  FindClose(find);
  return count;
}

class CreateCommand : public testing::Test {
 protected:
  void SetUp() override { DeleteFileW(SettingsFile().c_str()); }
  void TearDown() override {
    for (const auto& path : cleanup_) test::RemoveTree(path);
    DeleteFileW(SettingsFile().c_str());
  }
  // Removes the path at the end of the test.
  std::wstring Later(const std::wstring& path) {
    cleanup_.push_back(path);
    return path;
  }
  void Fill(MainWindowSession& s, const std::wstring& target, const std::wstring& name) {
    Type(s.Control(IDC_TXT_LNKPATH), target);
    Type(s.Control(IDC_TXT_SHORTCUTNAME), name);
  }
  void Tick(MainWindowSession& s, DestinationKind kind) { s.SetBox(IDC_CHK_WHERE + static_cast<int>(kind), true); }
  // 作成, then what the window posted to itself (a close after the command, say), a batch's
  // items one at a time until its last.
  void Create(MainWindowSession& s) {
    Click(s.Control(IDC_BTN_CREATE));
    EXPECT_TRUE(s.RunUntil([&] { return test::TextOf(s.Control(IDC_BTN_CREATE)) == L"作成(&C)"; }));
    test::Pump();
  }

  std::vector<std::wstring> cleanup_;
};

TEST_F(CreateCommand, WritesEveryTickedDestinationAndRemembersTheSubFolders) {
  TempFolder dir;
  const std::wstring target = dir / L"メモ.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "memo"));
  const std::wstring free = dir / L"links";
  ASSERT_TRUE(CreateDirectoryW(free.c_str(), nullptr));
  const std::wstring name = Unique(L"ペルモラ試験");
  std::wstring startSub, desktopLink, programs;
  {
    MainWindowSession s;
    const SpecialFolders f = s.Folders();
    programs = f.programs;
    const std::wstring group = Later(f.programs + L"\\" + Unique(L"PelmoraTest"));
    startSub = group + L"\\道具";
    desktopLink = Later(f.desktop + L"\\" + name + L".lnk");
    Fill(s, target, name);
    Type(s.Control(IDC_TXT_OPTION), L"-x \"y z\"");
    Type(s.Control(IDC_TXT_WRKPATH), dir.Path());
    Type(s.Control(IDC_TXT_COMMENT), L"コメント");
    SendMessageW(s.Control(IDC_CMB_SHOWCMD), CB_SETCURSEL, 2, 0);
    s.ChooseIcon(GetSystemFolder() + L"shell32.dll", 3);
    Tick(s, DestinationKind::Desktop);
    Tick(s, DestinationKind::StartMenu);
    Tick(s, DestinationKind::Free);
    Type(s.Control(IDC_CMB_STARTMENUPATH), startSub);
    Type(s.Control(IDC_CMB_FREEPATH), free);

    ScriptedMessageBoxes boxes({IDYES});
    Create(s);
    ASSERT_EQ(boxes.Asks().size(), 2u);
    EXPECT_EQ(boxes.Asks()[0].text,
              L"「スタートメニュー」には指定されたフォルダは存在しません。\r\n\r\n新規にフォルダを作成しますか？\r\n");
    EXPECT_EQ(boxes.Asks()[0].style, 35u);
    EXPECT_EQ(boxes.Asks()[1].text, kAllCreated);
    EXPECT_EQ(boxes.Asks()[1].style, 64u);
    EXPECT_EQ(boxes.Asks()[1].title, L"ペルモラ");
    for (const auto& asked : boxes.Asks()) EXPECT_EQ(asked.owner, s.Handle()) << "modal to the window";
  }  // closing saves the recent lists

  for (const std::wstring& link : {desktopLink, startSub + L"\\" + name + L".lnk", free + L"\\" + name + L".lnk"}) {
    const auto lnk = ReadLink(link);
    ASSERT_TRUE(lnk) << testing::PrintToString(link);
    EXPECT_EQ(lnk->TargetPath(), target);
    EXPECT_EQ(lnk->arguments.value_or(L""), L"-x \"y z\"");
    EXPECT_EQ(lnk->workingDir.value_or(L""), dir.Path());
    EXPECT_EQ(lnk->name.value_or(L""), L"コメント");
    EXPECT_EQ(lnk->iconLocation.value_or(L""), GetSystemFolder() + L"shell32.dll");
    EXPECT_EQ(lnk->iconIndex, 3);
    EXPECT_EQ(lnk->showCommand, 3u);  // maximised
  }
  wchar_t value[512];
  GetPrivateProfileStringW(L"RecentDir", L"Start1", L"", value, 512, SettingsFile().c_str());
  EXPECT_EQ(std::wstring(value), startSub);
  GetPrivateProfileStringW(L"RecentDir", L"Free1", L"", value, 512, SettingsFile().c_str());
  EXPECT_EQ(std::wstring(value), free);
  GetPrivateProfileStringW(L"RecentDir", L"Start2", L"?", value, 512, SettingsFile().c_str());
  EXPECT_EQ(std::wstring(value), programs);  // the start-up default moved down
}

TEST_F(CreateCommand, OverwriteQuestionAnswers) {
  TempFolder dir;
  const std::wstring target = dir / L"t.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "t"));
  const std::wstring existing = dir / L"同名.lnk";
  struct Case {
    int answer;
    bool replaced;
    const wchar_t* summary;  // nullptr: none
  } cases[] = {{IDNO, false, kSomeNotCreated}, {IDYES, true, kAllCreated}, {IDCANCEL, false, nullptr}};
  for (const auto& c : cases) {
    ASSERT_TRUE(test::WriteFileBytes(existing, "not a link"));
    MainWindowSession s;
    Fill(s, target, L"同名");
    Tick(s, DestinationKind::Free);
    Type(s.Control(IDC_CMB_FREEPATH), dir.Path());
    ScriptedMessageBoxes boxes({c.answer});
    Create(s);
    ASSERT_GE(boxes.Asks().size(), 1u);
    EXPECT_EQ(boxes.Asks()[0].text, L"「任意の場所」には同名のショートカットが既に存在します。\r\n\r\n上書きしますか？\r\n");
    EXPECT_EQ(boxes.Asks()[0].style, 291u);
    EXPECT_EQ(ReadLink(existing).has_value(), c.replaced) << c.answer;
    if (c.summary) {
      ASSERT_EQ(boxes.Asks().size(), 2u);
      EXPECT_EQ(boxes.Asks()[1].text, c.summary);
    } else {
      EXPECT_EQ(boxes.Asks().size(), 1u);
    }
  }
}

// Each question names the destination whose file it would replace, in the writing order.
TEST_F(CreateCommand, TheOverwriteQuestionNamesEachDestination) {
  TempFolder dir;
  const std::wstring target = dir / L"t.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "t"));
  const std::wstring name = Unique(L"names");
  MainWindowSession s;
  const SpecialFolders f = s.Folders();
  const struct {
    DestinationKind kind;
    std::wstring folder;
    const wchar_t* named;
  } destinations[] = {{DestinationKind::Desktop, f.desktop, L"「デスクトップ」"},
                      {DestinationKind::StartMenu, dir / L"start", L"「スタートメニュー」"},
                      {DestinationKind::Startup, f.startup, L"「スタートアップ」"},
                      {DestinationKind::Sendto, f.sendTo, L"「送るメニュー」"},
                      {DestinationKind::QuickLaunch, f.quickLaunch, L"「クイック起動」"},
                      {DestinationKind::Free, dir / L"free", L"「任意の場所」"},
                      {DestinationKind::Favorites, dir / L"fav", L"「お気に入り」"}};
  std::vector<std::wstring> expected;
  for (const auto& d : destinations) {
    const int box = IDC_CHK_WHERE + static_cast<int>(d.kind);
    if (!IsWindowEnabled(s.Control(box))) continue;  // a Quick Launch folder this system lacks
    CreateDirectoryW(d.folder.c_str(), nullptr);
    ASSERT_TRUE(test::WriteFileBytes(Later(d.folder + L"\\" + name + L".lnk"), "old"));
    Tick(s, d.kind);
    expected.push_back(std::wstring(d.named) + L"には同名のショートカットが既に存在します。\r\n\r\n上書きしますか？\r\n");
  }
  ASSERT_GE(expected.size(), 6u);
  Type(s.Control(IDC_CMB_STARTMENUPATH), dir / L"start");
  Type(s.Control(IDC_CMB_FREEPATH), dir / L"free");
  Type(s.Control(IDC_CMB_FAVORITESPATH), dir / L"fav");
  Fill(s, target, name);
  ScriptedMessageBoxes boxes(std::deque<int>(expected.size(), IDNO));
  Create(s);
  ASSERT_EQ(boxes.Asks().size(), expected.size() + 1);
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(boxes.Asks()[i].text, expected[i]) << i;
}

TEST_F(CreateCommand, CancelAtTheSecondOverwriteKeepsTheFirstFileAndShowsNoSummary) {
  TempFolder dir;
  const std::wstring target = dir / L"t.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "t"));
  const std::wstring favorites = dir / L"fav";
  CreateDirectoryW(favorites.c_str(), nullptr);
  const std::wstring name = Unique(L"cancel");
  MainWindowSession s;
  const std::wstring desktopLink = Later(s.Folders().desktop + L"\\" + name + L".lnk");
  ASSERT_TRUE(test::WriteFileBytes(desktopLink, "old"));
  ASSERT_TRUE(test::WriteFileBytes(favorites + L"\\" + name + L".lnk", "old"));
  Fill(s, target, name);
  Tick(s, DestinationKind::Desktop);
  Tick(s, DestinationKind::Favorites);
  Type(s.Control(IDC_CMB_FAVORITESPATH), favorites);
  ScriptedMessageBoxes boxes({IDYES, IDCANCEL});
  Create(s);
  ASSERT_EQ(boxes.Asks().size(), 2u);
  EXPECT_TRUE(boxes.Asks()[1].text.starts_with(L"「お気に入り」"));
  EXPECT_TRUE(ReadLink(desktopLink));
  EXPECT_FALSE(ReadLink(favorites + L"\\" + name + L".lnk"));
  EXPECT_TRUE(s.IsOpen());
}

TEST_F(CreateCommand, MissingSubFolderAnswers) {
  TempFolder dir;
  const std::wstring target = dir / L"t.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "t"));
  const std::wstring missing = dir / L"新しい\\フォルダ";
  struct Case {
    int answer;
    size_t asks;
  } cases[] = {{IDNO, 2}, {IDCANCEL, 1}, {IDYES, 2}};
  for (const auto& c : cases) {
    MainWindowSession s;
    Fill(s, target, L"x");
    Tick(s, DestinationKind::Free);
    Type(s.Control(IDC_CMB_FREEPATH), missing);
    ScriptedMessageBoxes boxes({c.answer});
    Create(s);
    ASSERT_EQ(boxes.Asks().size(), c.asks) << c.answer;
    EXPECT_EQ(boxes.Asks()[0].text,
              L"「任意の場所」には指定されたフォルダは存在しません。\r\n\r\n新規にフォルダを作成しますか？\r\n");
    EXPECT_EQ(GetPathKind(missing) == PathKind::Folder, c.answer == IDYES);
    if (c.asks == 2) {
      EXPECT_EQ(boxes.Asks()[1].text, c.answer == IDYES ? kAllCreated : kSomeNotCreated);
    }
  }
}

TEST_F(CreateCommand, PathsUpTo255AnsiBytesAreWrittenLongerOnesRefused) {
  TempFolder dir;
  const std::wstring file = dir / L"t.txt";
  ASSERT_TRUE(test::WriteFileBytes(file, "t"));
  // Most of the length sits in ASCII folders (the host file system limits a single name); the
  // name holds ten double-byte characters, two bytes each in code page 932.
  const std::wstring folder1 = dir / std::wstring(90, L'd');
  const size_t second = 215 - folder1.size() - 2;
  const std::wstring folder = folder1 + L"\\" + std::wstring(second, L'e');
  ASSERT_TRUE(EnsureFolderExists(folder));
  // A missing sub-folder whose shortcut would be too long is refused before it is asked for.
  const std::wstring missing = folder1 + L"\\" + std::wstring(second, L'f');
  const struct {
    std::wstring target, extension, folder;
    size_t bytes;
  } cases[] = {
      {file, L".lnk", folder, 255},  {file, L".lnk", folder, 256},
      {L"http://example.com/", L".url", folder, 255}, {L"http://example.com/", L".url", folder, 256},
      {file, L".lnk", missing, 256},
  };
  for (const auto& c : cases) {
    const std::wstring name = std::wstring(10, L'あ') + std::wstring(c.bytes - (c.folder.size() + 1) - 4 - 20, L'x');
    const std::wstring path = c.folder + L"\\" + name + c.extension;
    SCOPED_TRACE(path);
    ASSERT_EQ(AnsiByteCount(path), c.bytes);
    MainWindowSession s;
    Fill(s, c.target, name);
    Tick(s, DestinationKind::Free);
    Type(s.Control(IDC_CMB_FREEPATH), c.folder);
    ScriptedMessageBoxes boxes;
    Create(s);
    const std::wstring kind = c.extension == L".url" ? L"インターネット" : L"";
    if (c.bytes == 255) {
      EXPECT_TRUE(test::FileExists(path));
      ASSERT_EQ(boxes.Asks().size(), 1u);
      EXPECT_EQ(boxes.Asks()[0].text, kind + kAllCreated);
    } else {
      EXPECT_FALSE(test::FileExists(path));
      ASSERT_EQ(boxes.Asks().size(), 2u);
      EXPECT_EQ(boxes.Asks()[0].text, L"ショートカットファイルのパスが長すぎます。\r\n\r\n" + path);
      EXPECT_EQ(boxes.Asks()[0].style, 48u);
      EXPECT_EQ(boxes.Asks()[1].text, L"いくつかの" + kind + L"ショートカットが作成されませんでした。");
    }
  }
  EXPECT_EQ(GetPathKind(missing), PathKind::Missing);
}

TEST_F(CreateCommand, ShutdownShortcutsStayOutOfStartup) {
  const std::wstring name = Unique(L"shutdown");
  // However the launcher's path is spelt, it is the same program.
  std::wstring forward = GetSystemFolder() + L"rundll32.exe";
  for (auto& c : forward) c = c == L'\\' ? L'/' : static_cast<wchar_t>(towlower(c));
  const std::wstring dotted = GetSystemFolder() + L"..\\" + FileNameOf(GetSystemFolder().substr(0, GetSystemFolder().size() - 1)) + L"\\RunDll32.EXE";
  for (const auto& [launcher, withDesktop] : {std::pair{GetSystemFolder() + L"RUNDLL32.EXE", true},
                                              std::pair{GetSystemFolder() + L"RUNDLL32.EXE", false},
                                              std::pair{forward, false}, std::pair{dotted, false}}) {
    SCOPED_TRACE(launcher);
    MainWindowSession s;
    const SpecialFolders f = s.Folders();
    const std::wstring desktopLink = Later(f.desktop + L"\\" + name + L".lnk");
    DeleteFileW(desktopLink.c_str());
    Fill(s, launcher, name);
    Type(s.Control(IDC_TXT_OPTION), L"shell32.dll,SHExitWindowsEx 1");
    if (withDesktop) Tick(s, DestinationKind::Desktop);
    Tick(s, DestinationKind::Startup);
    ScriptedMessageBoxes boxes;
    Create(s);
    EXPECT_FALSE(test::IsChecked(s.Control(IDC_CHK_WHERE + 2)));
    EXPECT_FALSE(test::FileExists(f.startup + L"\\" + name + L".lnk"));
    EXPECT_EQ(test::FileExists(desktopLink), withDesktop);
    ASSERT_EQ(boxes.Asks().size(), 1u);
    EXPECT_EQ(boxes.Asks()[0].text, withDesktop ? kAllCreated : kSomeNotCreated);
    EXPECT_EQ(test::IsEnabled(s.Control(IDC_BTN_CREATE)), withDesktop);
  }
}

TEST_F(CreateCommand, AllUsersAppliesToDesktopAndStartupOnly) {
  TempFolder dir;
  const std::wstring target = dir / L"t.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "t"));
  const std::wstring name = Unique(L"all");
  MainWindowSession s;
  const SpecialFolders f = s.Folders();
  ASSERT_TRUE(f.allUsersAvailable);
  const std::wstring expected[] = {Later(f.commonDesktop + L"\\" + name + L".lnk"),
                                   Later(f.sendTo + L"\\" + name + L".lnk"),
                                   Later(f.favorites + L"\\" + name + L".lnk")};
  Fill(s, target, name);
  s.SetBox(IDC_CHK_ALLUSERS, true);
  Tick(s, DestinationKind::Desktop);
  Tick(s, DestinationKind::Sendto);
  Tick(s, DestinationKind::Favorites);
  Type(s.Control(IDC_CMB_FAVORITESPATH), f.favorites);
  ScriptedMessageBoxes boxes;
  Create(s);
  for (const auto& path : expected) EXPECT_TRUE(ReadLink(path)) << testing::PrintToString(path);
  EXPECT_FALSE(test::FileExists(f.desktop + L"\\" + name + L".lnk"));
}

TEST_F(CreateCommand, AFolderNamedLikeTheShortcutIsNoReasonToAsk) {
  TempFolder dir;
  const std::wstring target = dir / L"t.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "t"));
  ASSERT_TRUE(CreateDirectoryW((dir / L"x.lnk").c_str(), nullptr));
  MainWindowSession s;
  Fill(s, target, L"x");
  Tick(s, DestinationKind::Free);
  Type(s.Control(IDC_CMB_FREEPATH), dir.Path());
  ScriptedMessageBoxes boxes;
  Create(s);
  ASSERT_EQ(boxes.Asks().size(), 1u);
  EXPECT_EQ(boxes.Asks()[0].text, kSomeNotCreated);
  EXPECT_EQ(GetPathKind(dir / L"x.lnk"), PathKind::Folder);
}

TEST_F(CreateCommand, ValidationStopsBeforeAnythingIsWritten) {
  TempFolder dir;
  const std::wstring target = dir / L"t.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "t"));
  struct Case {
    const wchar_t* target;
    const wchar_t* name;
    const wchar_t* message;
    int focus;
  } cases[] = {
      {L"C:\\no\\such\\file.txt", L"x", L"リンク先のファイルまたはフォルダが存在しないか、\r\nURL文字列として正しくありません。",
       IDC_TXT_LNKPATH},
      {target.c_str(), L"a/b", L"ショートカット名に \\ / : * ? \" < > | は使えません。", IDC_TXT_SHORTCUTNAME},
      {target.c_str(), L"a\tb:", L"ショートカット名に不正な文字（改行コード等）が含まれています。", IDC_TXT_SHORTCUTNAME},
      {target.c_str(), L"Com1", L"このショートカット名は予約デバイス名のため、使用できません。", IDC_TXT_SHORTCUTNAME},
      {target.c_str(), L"nul.txt", L"このショートカット名は予約デバイス名のため、使用できません。", IDC_TXT_SHORTCUTNAME},
      {target.c_str(), L"title\x1B", L"ショートカット名に不正な文字（改行コード等）が含まれています。",
       IDC_TXT_SHORTCUTNAME},
  };
  for (const auto& c : cases) {
    MainWindowSession s;
    Tick(s, DestinationKind::Free);
    Type(s.Control(IDC_CMB_FREEPATH), dir.Path());
    Fill(s, c.target, c.name);
    ScriptedMessageBoxes boxes;
    Click(s.Control(IDC_BTN_CREATE));
    ASSERT_EQ(boxes.Asks().size(), 1u) << testing::PrintToString(std::wstring(c.name));
    EXPECT_EQ(boxes.Asks()[0].text, c.message);
    EXPECT_EQ(boxes.Asks()[0].style, 48u);
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == s.Control(c.focus)) << testing::PrintToString(std::wstring(c.name));
  }
  EXPECT_EQ(test::ReadFileBytes(dir / L"x.lnk"), "");
}

// Opened again, such a link shows its target whole, and creating over it works.
TEST_F(CreateCommand, LinkToAPathOutsideTheAnsiCodePageRoundTrips) {
  TempFolder dir;
  const std::wstring target = dir / L"Café 😀 简体 ß";
  ASSERT_TRUE(CreateDirectoryW(target.c_str(), nullptr));
  const std::wstring link = dir / L"café.lnk";
  for (const std::wstring& commandLine : {std::wstring(), L"\"" + link + L"\""}) {
    SCOPED_TRACE(commandLine);
    MainWindowSession s(commandLine);
    if (commandLine.empty()) Fill(s, target, L"café");
    EXPECT_EQ(test::TextOf(s.Control(IDC_TXT_LNKPATH)), target);
    Tick(s, DestinationKind::Free);
    Type(s.Control(IDC_CMB_FREEPATH), dir.Path());
    ScriptedMessageBoxes boxes({IDYES});  // the second round replaces the first round's link
    Create(s);
    ASSERT_FALSE(boxes.Asks().empty());
    EXPECT_EQ(boxes.Asks().back().text, kAllCreated);
    const auto lnk = ReadLink(link);
    ASSERT_TRUE(lnk);
    EXPECT_EQ(lnk->TargetPath(), target);
  }
}

TEST_F(CreateCommand, NoMessageSilencesOnlyTheSuccessSummary) {
  TempFolder dir;
  const std::wstring target = dir / L"t.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "t"));
  WritePrivateProfileStringW(L"GENERAL", L"NoMessage", L"1", SettingsFile().c_str());
  MainWindowSession s;
  Fill(s, target, L"silent");
  Tick(s, DestinationKind::Free);
  Type(s.Control(IDC_CMB_FREEPATH), dir.Path());
  {
    ScriptedMessageBoxes boxes;
    Create(s);
    EXPECT_TRUE(boxes.Asks().empty());
    EXPECT_TRUE(ReadLink(dir / L"silent.lnk"));
  }
  ScriptedMessageBoxes boxes({IDNO});
  Create(s);
  ASSERT_EQ(boxes.Asks().size(), 2u);
  EXPECT_EQ(boxes.Asks()[1].text, kSomeNotCreated);
}

TEST_F(CreateCommand, WhileItsBoxIsOpenASecondClickDoesNothingAndACloseWaits) {
  TempFolder dir;
  const std::wstring target = dir / L"t.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "t"));
  ASSERT_TRUE(test::WriteFileBytes(dir / L"t.lnk", "existing"));
  MainWindowSession s;
  Fill(s, target, L"t");
  Tick(s, DestinationKind::Free);
  Type(s.Control(IDC_CMB_FREEPATH), dir.Path());
  ScriptedMessageBoxes boxes({IDYES});
  boxes.WhileAsking([&] {
    Click(s.Control(IDC_BTN_CREATE));  // a double click
    SendMessageW(s.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    SendMessageW(s.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(s.IsOpen());
  });
  Create(s);
  // One overwrite question and one summary: the command ran once.
  ASSERT_EQ(boxes.Asks().size(), 2u);
  EXPECT_EQ(boxes.Asks()[1].text, kAllCreated);
  EXPECT_TRUE(ReadLink(dir / L"t.lnk"));
  EXPECT_FALSE(s.IsOpen());  // the close came once the command was over
}

TEST_F(CreateCommand, ExitAfterCreateEndsAProgramStartedWithATarget) {
  TempFolder dir;
  const std::wstring target = dir / L"t.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "t"));
  struct Case {
    bool startedWithTarget;
    int answer;  // to the overwrite question
    bool ends;
  } cases[] = {{true, IDNO, true}, {true, IDCANCEL, false}, {false, IDNO, false}};
  for (const auto& c : cases) {
    WritePrivateProfileStringW(L"GENERAL", L"ExitAfterCreate", L"1", SettingsFile().c_str());
    ASSERT_TRUE(test::WriteFileBytes(dir / L"t.lnk", "existing"));
    MainWindowSession s(c.startedWithTarget ? L"\"" + target + L"\"" : L"");
    Fill(s, target, L"t");
    Tick(s, DestinationKind::Free);
    Type(s.Control(IDC_CMB_FREEPATH), dir.Path());
    ScriptedMessageBoxes boxes({c.answer});
    Create(s);
    EXPECT_EQ(!s.IsOpen(), c.ends) << c.startedWithTarget << " " << c.answer;
    // The summary still comes first, even though a shortcut was not created.
    if (c.ends) {
      ASSERT_EQ(boxes.Asks().size(), 2u);
      EXPECT_EQ(boxes.Asks()[1].text, kSomeNotCreated);
    }
  }
}

// A link handed over on the command line fills the form and ticks the destination holding it.
TEST_F(CreateCommand, StartedWithALinkTicksItsDestination) {
  TempFolder dir;
  const std::wstring target = dir / L"app.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "t"));
  ShellLink link;
  std::wstring startSub, commonStartup;
  {
    MainWindowSession probe;
    startSub = Later(probe.Folders().programs + L"\\" + Unique(L"sub"));
    commonStartup = probe.Folders().commonStartup;
  }
  ASSERT_TRUE(CreateDirectoryW(startSub.c_str(), nullptr));
  const std::wstring inStart = startSub + L"\\リンク.lnk";
  ASSERT_TRUE(link.CreateShellLink(inStart, target, dir.Path(), L"/a", L"", 0, SW_SHOWMINNOACTIVE, L"説明"));
  {
    MainWindowSession s(L"\"" + inStart + L"\"");
    EXPECT_EQ(test::TextOf(s.Control(IDC_TXT_LNKPATH)), target);
    EXPECT_EQ(test::TextOf(s.Control(IDC_TXT_WRKPATH)), dir.Path());
    EXPECT_EQ(test::TextOf(s.Control(IDC_TXT_OPTION)), L"/a");
    EXPECT_EQ(test::TextOf(s.Control(IDC_TXT_COMMENT)), L"説明");
    EXPECT_EQ(test::TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), L"リンク");
    EXPECT_EQ(test::TextOf(s.Control(IDC_CMB_STARTMENUPATH)), startSub);
    EXPECT_FALSE(test::IsChecked(s.Control(IDC_CHK_ALLUSERS)));
    for (int i = 0; i < 7; ++i) EXPECT_EQ(test::IsChecked(s.Control(IDC_CHK_WHERE + i)), i == 1) << i;
    if (!test::RunningUnderWine()) {  // Wine does not load a link's show command back
      EXPECT_EQ(SendMessageW(s.Control(IDC_CMB_SHOWCMD), CB_GETCURSEL, 0, 0), 1);
    }
  }
  const std::wstring inCommonStartup = Later(commonStartup + L"\\" + Unique(L"common") + L".lnk");
  ASSERT_TRUE(link.CreateShellLink(inCommonStartup, target, L"", L"", L"", 0, SW_SHOW, L""));
  MainWindowSession s(L"\"" + inCommonStartup + L"\"");
  EXPECT_TRUE(test::IsChecked(s.Control(IDC_CHK_WHERE + 2)));
  EXPECT_TRUE(test::IsChecked(s.Control(IDC_CHK_ALLUSERS)));
  EXPECT_FALSE(test::IsChecked(s.Control(IDC_CHK_WHERE + 0)));
}

// Send To with fifty items: each gets its shortcut in both destinations, made by the same rules
// as if it had been the only target (links and a .url read back, a file's own icon, a link's
// target's icon); the missing one is named.
TEST_F(CreateCommand, ASendToBatchWritesEachItemAsItsOnlyTargetWould) {
  TempFolder dir;
  const std::wstring lead = dir / L"計画 2027.txt", missing = dir / L"無い.txt";
  const std::wstring link = dir / L"道具.lnk", url = dir / L"サイト.url";
  ASSERT_TRUE(test::WriteFileBytes(lead, "x"));
  ASSERT_TRUE(ShellLink().CreateShellLink(link, lead, dir.Path(), L"-v", GetSystemFolder() + L"shell32.dll", 3,
                                          SW_SHOWMAXIMIZED, L"説明"));
  ASSERT_TRUE(WriteInternetShortcut(url, L"http://example.com/a", L"", 0));
  const std::wstring withIcons = GetSystemFolder() + L"shell32.dll", iconless = dir / L"無印.lnk";
  ASSERT_TRUE(ShellLink().CreateShellLink(iconless, withIcons, L"", L"", L"", 0, SW_SHOW, L""));
  std::vector<std::wstring> items{lead, missing, link, url, withIcons, iconless};
  for (const std::wstring& file : MakeFiles(dir, L"資料 ", 44)) items.push_back(file);
  std::wstring commandLine;
  for (const std::wstring& item : items) commandLine += Quoted(item) + L" ";
  const std::wstring out = dir / L"out", start = dir / L"start", single = dir / L"single";
  for (const std::wstring& folder : {out, start, single}) ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  WritePrivateProfileStringW(L"GENERAL", L"ExitAfterCreate", L"1", SettingsFile().c_str());
  {
    MainWindowSession s(commandLine);
    EXPECT_EQ(test::TextOf(s.Control(IDC_LBL_BATCH)), L"ほか 49 件");
    Tick(s, DestinationKind::Free);
    Tick(s, DestinationKind::StartMenu);
    Type(s.Control(IDC_CMB_FREEPATH), out);
    Type(s.Control(IDC_CMB_STARTMENUPATH), start);
    ScriptedMessageBoxes boxes;
    Create(s);
    ASSERT_EQ(boxes.Asks().size(), 1u);
    EXPECT_EQ(boxes.Asks()[0].text, L"50 件のうち 49 件のショートカットを作成しました（ファイル 98 個）。\r\n\r\n"
                                    L"作成されなかった項目 1 件:\r\n無い.txt … 見つかりません");
    EXPECT_EQ(boxes.Asks()[0].style, 48u);
    EXPECT_FALSE(s.IsOpen()) << "started with targets and ExitAfterCreate: the batch ends the program";
  }
  EXPECT_EQ(LinksIn(out), 48);
  EXPECT_EQ(LinksIn(start), 48);
  EXPECT_EQ(test::ReadFileBytes(out + L"\\サイト.url"), test::ReadFileBytes(start + L"\\サイト.url"));
  for (const std::wstring& item : {link, url, withIcons, iconless, items.back()}) {
    SCOPED_TRACE(item);
    std::wstring written;
    {
      MainWindowSession s(Quoted(item));
      written = s.CreateInto(single);
    }
    ASSERT_FALSE(written.empty());
    const std::wstring batched = out + L"\\" + FileNameOf(written);
    if (item == url) {
      EXPECT_EQ(test::ReadFileBytes(batched), test::ReadFileBytes(written));
      continue;
    }
    const auto one = ReadLink(written), many = ReadLink(batched);
    ASSERT_TRUE(one && many);
    EXPECT_EQ(many->TargetPath(), one->TargetPath());
    EXPECT_EQ(many->arguments, one->arguments);
    EXPECT_EQ(many->workingDir, one->workingDir);
    EXPECT_EQ(many->name, one->name);
    EXPECT_EQ(many->iconLocation, one->iconLocation);
    EXPECT_EQ(many->iconIndex, one->iconIndex);
    EXPECT_EQ(many->showCommand, one->showCommand);
  }
  EXPECT_EQ(ReadLink(out + L"\\道具.lnk")->arguments.value_or(L""), L"-v");
  EXPECT_EQ(ReadLink(out + L"\\無印.lnk")->iconLocation.value_or(L""), withIcons);
}

// The question itself: each button gives its answer; Esc and the close box are キャンセル.
TEST_F(CreateCommand, TheOverwriteQuestionsButtonsGiveTheirAnswers) {
  const std::wstring path = L"C:\\任意\\名前.lnk";
  const struct {
    int button;  // 0: the close box
    OverwriteAnswer answer;
  } cases[] = {{IDC_BTN_OVERWRITE, OverwriteAnswer::Overwrite},     {IDC_BTN_OVERWRITE_ALL, OverwriteAnswer::OverwriteAll},
               {IDC_BTN_SKIP, OverwriteAnswer::Skip},               {IDC_BTN_SKIP_ALL, OverwriteAnswer::SkipAll},
               {IDCANCEL, OverwriteAnswer::Cancel},                 {0, OverwriteAnswer::Cancel}};
  for (const auto& c : cases) {
    OverwriteAnswer answer = OverwriteAnswer::Overwrite;
    std::wstring text;
    HWND focused = nullptr;
    EXPECT_TRUE(test::WithModalWindow(
        L"上書きの確認", [&] { answer = AskOverwrite(nullptr, DestinationKind::Free, path); },
        [&](HWND dialog) {
          text = test::TextOf(GetDlgItem(dialog, IDC_LBL_OVERWRITE));
          focused = GetFocus() == GetDlgItem(dialog, IDC_BTN_SKIP) ? dialog : nullptr;
          if (c.button)
            Click(GetDlgItem(dialog, c.button));
          else
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        }));
    EXPECT_EQ(answer, c.answer) << c.button;
    EXPECT_EQ(text, BatchOverwriteText(DestinationKind::Free, path));
    EXPECT_NE(focused, nullptr) << "a stray Enter skips";
  }
}

// Two items of one name: the second finds the first one's shortcut, which this batch made, and
// leaves it; nothing is asked.
TEST_F(CreateCommand, ABatchKeepsTheFirstOfTwoItemsOfOneName) {
  TempFolder dir;
  for (const wchar_t* sub : {L"a", L"b"}) ASSERT_TRUE(CreateDirectoryW((dir / sub).c_str(), nullptr));
  const std::wstring first = dir / L"a\\同じ.txt", second = dir / L"b\\同じ.txt";
  for (const std::wstring& file : {first, second}) ASSERT_TRUE(test::WriteFileBytes(file, "x"));
  MainWindowSession s;
  s.Drop(test::MakeFileDrop({first, second}));
  Tick(s, DestinationKind::Free);
  Type(s.Control(IDC_CMB_FREEPATH), dir.Path());
  ScriptedOverwrites overwrites({});
  ScriptedMessageBoxes boxes;
  Create(s);
  EXPECT_TRUE(overwrites.asked.empty());
  ASSERT_EQ(boxes.Asks().size(), 1u);
  EXPECT_NE(boxes.Asks()[0].text.find(L"作成されなかった項目 1 件:\r\n同じ.txt … 「任意の場所」には同じ名前のショートカットを"),
            std::wstring::npos)
      << boxes.Asks()[0].text;
  const auto written = ReadLink(dir / L"同じ.lnk");
  ASSERT_TRUE(written);
  EXPECT_EQ(written->TargetPath(), first);
}

// A batch asks before each existing file; an answer for all holds for the files after it, and
// キャンセル stops the batch there. The summary counts and names what was not made.
TEST_F(CreateCommand, ABatchAsksBeforeEachExistingFileUntilAnsweredForAll) {
  TempFolder dir;
  const std::vector<std::wstring> files = MakeFiles(dir, L"f", 4);
  const std::wstring out = dir / L"out";
  ASSERT_TRUE(CreateDirectoryW(out.c_str(), nullptr));
  using A = OverwriteAnswer;
  const struct {
    std::deque<A> answers;
    std::size_t asked;
    std::string replaced;  // digits of the files whose shortcut was replaced
    std::vector<std::wstring> said;
  } cases[] = {
      {{A::OverwriteAll}, 1, "0123", {L"4 件すべてのショートカットを作成しました（ファイル 4 個）。"}},
      {{A::Overwrite, A::SkipAll},
       2,
       "0",
       {L"4 件のうち 1 件のショートカットを作成しました（ファイル 1 個）。\r\n\r\n作成されなかった項目 3 件:\r\n"
        L"f1.txt … 「任意の場所」に同名のショートカットがあるため、上書きしませんでした\r\nf2.txt … ",
        L"\r\nf3.txt … "}},
      {{A::Skip, A::Cancel},
       2,
       "",
       {L"4 件のうち 0 件", L"\r\nf1.txt … キャンセルしました\r\n\r\n中止したため、残りの 2 件は作成していません。"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.replaced);
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(test::WriteFileBytes(out + L"\\f" + std::to_wstring(i) + L".lnk", "old"));
    MainWindowSession s;
    s.Drop(test::MakeFileDrop(files));
    Tick(s, DestinationKind::Free);
    Type(s.Control(IDC_CMB_FREEPATH), out);
    ScriptedOverwrites overwrites(c.answers);
    ScriptedMessageBoxes boxes;
    Create(s);
    ASSERT_EQ(overwrites.asked.size(), c.asked);
    EXPECT_EQ(overwrites.asked[0],
              L"「任意の場所」には同名のショートカットが既に存在します。\r\n\r\n" + out + L"\\f0.lnk\r\n\r\n上書きしますか？");
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(ReadLink(out + L"\\f" + std::to_wstring(i) + L".lnk").has_value(),
                c.replaced.find(static_cast<char>('0' + i)) != std::string::npos)
          << i;
    ASSERT_EQ(boxes.Asks().size(), 1u);
    for (const std::wstring& said : c.said) EXPECT_NE(boxes.Asks()[0].text.find(said), std::wstring::npos) << boxes.Asks()[0].text;
    EXPECT_EQ(test::TextOf(s.Control(IDC_BTN_CREATE)), L"作成(&C)");
  }
}

// The question whether to make a missing sub-folder comes once for the whole batch; a name of
// the form's that the rules refuse stops the batch before anything is written.
TEST_F(CreateCommand, ABatchAsksOnceForAMissingFolderAndChecksTheFormFirst) {
  TempFolder dir;
  const std::vector<std::wstring> files = MakeFiles(dir, L"m", 3);
  const std::wstring missing = dir / L"新しい";
  MainWindowSession s;
  s.Drop(test::MakeFileDrop(files));
  Tick(s, DestinationKind::Free);
  Type(s.Control(IDC_CMB_FREEPATH), missing);
  Type(s.Control(IDC_TXT_SHORTCUTNAME), L"a/b");
  {
    ScriptedMessageBoxes boxes;
    Create(s);
    ASSERT_EQ(boxes.Asks().size(), 1u);
    EXPECT_EQ(boxes.Asks()[0].text, L"ショートカット名に \\ / : * ? \" < > | は使えません。");
    EXPECT_EQ(GetFocus(), s.Control(IDC_TXT_SHORTCUTNAME));
    EXPECT_EQ(GetPathKind(missing), PathKind::Missing);
  }
  Type(s.Control(IDC_TXT_SHORTCUTNAME), L"最初");
  for (const int answer : {IDNO, IDYES}) {
    ScriptedMessageBoxes boxes({answer});
    Create(s);
    ASSERT_EQ(boxes.Asks().size(), 2u) << answer;
    EXPECT_TRUE(boxes.Asks()[0].text.starts_with(L"「任意の場所」には指定されたフォルダは存在しません。"));
    if (answer == IDNO) {
      EXPECT_NE(boxes.Asks()[1].text.find(L"作成されなかった項目 3 件:\r\nm0.txt … 「任意の場所」のフォルダがありません\r\nm1.txt … "),
                std::wstring::npos)
          << boxes.Asks()[1].text;
    } else {
      EXPECT_EQ(boxes.Asks()[1].text, L"3 件すべてのショートカットを作成しました（ファイル 3 個）。");
      EXPECT_EQ(boxes.Asks()[1].style, 64u);
    }
  }
  for (const wchar_t* name : {L"最初", L"m1", L"m2"}) EXPECT_TRUE(ReadLink(missing + L"\\" + name + L".lnk")) << name;
  EXPECT_TRUE(IsWindowVisible(s.Control(IDC_LBL_BATCH))) << "the batch stays for another destination";
}

// While a batch is created one item at a time, 作成 says how far it is, and a click stops it.
TEST_F(CreateCommand, ABatchShowsHowFarItIsAndCreateStopsIt) {
  TempFolder dir;
  const std::vector<std::wstring> files = MakeFiles(dir, L"s", 30);
  MainWindowSession s;
  s.Drop(test::MakeFileDrop(files));
  Tick(s, DestinationKind::Free);
  Type(s.Control(IDC_CMB_FREEPATH), dir.Path());
  HWND create = s.Control(IDC_BTN_CREATE);
  ScriptedMessageBoxes boxes;
  Click(create);
  EXPECT_EQ(test::TextOf(create), L"中止 (0/30)");
  ASSERT_TRUE(s.RunUntil([&] { return test::TextOf(create) == L"中止 (5/30)"; }));
  EXPECT_EQ(LinksIn(dir.Path()), 5);
  Click(create);
  ASSERT_TRUE(s.RunUntil([&] { return !boxes.Asks().empty(); }));
  EXPECT_EQ(boxes.Asks()[0].text, L"30 件のうち 5 件のショートカットを作成しました（ファイル 5 個）。\r\n\r\n"
                                  L"中止したため、残りの 25 件は作成していません。");
  EXPECT_EQ(LinksIn(dir.Path()), 5);
  EXPECT_EQ(test::TextOf(create), L"作成(&C)");
  EXPECT_TRUE(test::IsEnabled(create));
}

}  // namespace
}  // namespace pelmora
