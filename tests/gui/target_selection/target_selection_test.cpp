// Choosing the target: drops from Explorer and browsers, the pickers, and web addresses that
// become internet shortcuts.
#include <gtest/gtest.h>

#include "win/system.h"
#include "win/pickers.h"
#include "resource.h"
#include "shortcut/shell_link.h"
#include "support/win/data_object.h"
#include "support/lnk_reader.h"
#include "support/win/gui_driver.h"
#include "support/win/http_test_server.h"
#include "support/win/main_window_fixture.h"
#include "support/win/test_env.h"
#include "url/internet_shortcut.h"
#include "win/handles.h"

namespace pelmora {
namespace {

using test::MainWindowSession;
using test::ScriptedMessageBoxes;
using test::TempFolder;
using test::TextOf;

void Type(MainWindowSession& s, int id, const std::wstring& text) { test::Type(s.Control(id), text); }

using test::SettingsFile;

class TargetSelection : public testing::Test {
 protected:
  void SetUp() override { DeleteFileW(SettingsFile().c_str()); }
  void TearDown() override {
    for (const auto& path : cleanup_) test::RemoveTree(path);
    SetFilePickerResponder({});
    SetFolderPickerResponder({});
    DeleteFileW(SettingsFile().c_str());
  }
  // A drop hands its data over and returns; the window takes it from its message queue.
  std::vector<std::wstring> cleanup_;
};

TEST_F(TargetSelection, DroppedFilesAndFolders) {
  TempFolder dir;
  const std::wstring first = dir / L"報告書.final.txt";
  const std::wstring second = dir / L"second.txt";
  const std::wstring folder = dir / L"写真";
  ASSERT_TRUE(test::WriteFileBytes(first, "1"));
  ASSERT_TRUE(test::WriteFileBytes(second, "2"));
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  MainWindowSession s;
  Type(s, IDC_TXT_OPTION, L"old args");

  s.Drop(test::MakeFileDrop({first, second, folder}));  // the first fills the form, the others wait
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), first);
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_WRKPATH)), dir.Path());
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), L"報告書.final");
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_OPTION)), L"");
  EXPECT_EQ(GetFocus(), s.Control(IDC_TXT_SHORTCUTNAME));
  EXPECT_TRUE(IsWindowVisible(s.Control(IDC_LBL_BATCH)));
  EXPECT_EQ(TextOf(s.Control(IDC_LBL_BATCH)), L"ほか 2 件");

  s.Drop(test::MakeFileDrop({folder}));  // one target again
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), folder);
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_WRKPATH)), L"");
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), L"写真");
  EXPECT_FALSE(IsWindowVisible(s.Control(IDC_LBL_BATCH)));

  s.Drop(test::MakeFileDrop({L"C:\\RECYCLER\\S-1-5\\Dc1.txt", second}));  // the recycle bin's item is left out
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), second);
  EXPECT_FALSE(IsWindowVisible(s.Control(IDC_LBL_BATCH)));
}

// The file picker's multiple choice makes a batch; its link lists every item, and the batch ends
// on request, with a new target typed, or with the form cleared.
TEST_F(TargetSelection, SeveralPickedFilesWaitUntilANewTargetOrTheList) {
  TempFolder dir;
  std::vector<std::wstring> files;
  for (const wchar_t* name : {L"一.txt", L"二 2.txt", L"三.exe"}) {
    files.push_back(dir / name);
    ASSERT_TRUE(test::WriteFileBytes(files.back(), "x"));
  }
  SetFilePickerResponder([&](FilePickerRequest&) { return files; });
  MainWindowSession s;
  HWND link = s.Control(IDC_LBL_BATCH);
  const auto pickAll = [&] {
    test::Click(s.Control(IDC_BTN_BROWS + 0));
    ASSERT_EQ(TextOf(link), L"ほか 2 件");
    ASSERT_TRUE(IsWindowVisible(link));
  };
  pickAll();
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), files[0]);
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), L"一");
  for (const int button : {IDCANCEL, IDC_BTN_BATCH_LEAVE}) {
    std::vector<std::wstring> listed;
    std::wstring note;
    EXPECT_TRUE(test::WithModalWindow(
        L"一括作成の項目", [&] { test::Click(link); },
        [&](HWND dialog) {
          HWND list = GetDlgItem(dialog, IDC_LST_BATCH);
          for (LRESULT i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
            wchar_t text[MAX_PATH] = {};
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            listed.push_back(text);
          }
          note = TextOf(GetDlgItem(dialog, IDC_LBL_BATCH_NOTE));
          test::Click(GetDlgItem(dialog, button));
        }));
    EXPECT_EQ(listed, files);
    EXPECT_NE(note.find(L"画面で編集した欄はこの項目にだけ使われます"), std::wstring::npos) << note;
    EXPECT_EQ(IsWindowVisible(link) != FALSE, button == IDCANCEL);
  }
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), files[0]) << "the form keeps the first";
  pickAll();
  Type(s, IDC_TXT_LNKPATH, files[1]);
  EXPECT_FALSE(IsWindowVisible(link));
  pickAll();
  test::Click(s.Control(IDC_BTN_CLEAR + 0));
  EXPECT_FALSE(IsWindowVisible(link));
}

TEST_F(TargetSelection, RecycleBinItemsAndOtherTextAreIgnored) {
  MainWindowSession s;
  Type(s, IDC_TXT_LNKPATH, L"unchanged");
  for (const wchar_t* path : {L"C:\\RECYCLER\\S-1-5\\Dc1.txt", L"D:\\Recycled\\x.doc", L"C:\\$Recycle.Bin\\S-1-5\\$R1.txt"}) {
    IDataObject* data = test::MakeFileDrop({path});
    s.Drop(data);
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), L"unchanged") << testing::PrintToString(std::wstring(path));
  }
  IDataObject* word = test::MakeTextDrop(L"こんにちは");
  s.Drop(word);
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), L"unchanged");
}

TEST_F(TargetSelection, DroppedUrlTextIsTrimmedAndClearsTheLinkOnlyFields) {
  for (bool ansi : {false, true}) {
    MainWindowSession s;
    Type(s, IDC_TXT_WRKPATH, L"C:\\work");
    Type(s, IDC_TXT_COMMENT, L"comment");
    // Japanese before the "?" makes it no URL: the drop is ignored.
    s.Drop(test::MakeTextDrop(L"  http://example.com/日本?q=1  ", ansi));
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), L"");
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_WRKPATH)), L"C:\\work");
    // Offered as ANSI text only, as older browsers do, a URL still arrives whole.
    s.Drop(test::MakeTextDrop(L"http://example.com/b?q=日本", ansi));
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), L"http://example.com/b?q=日本");
  }
  MainWindowSession s;
  Type(s, IDC_TXT_WRKPATH, L"C:\\work");
  Type(s, IDC_TXT_COMMENT, L"comment");
  s.ChooseIcon(GetSystemFolder() + L"shell32.dll", 3);
  s.Drop(test::MakeTextDrop(L"  http://example.com/a?q=日本  "));
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), L"http://example.com/a?q=日本");
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_WRKPATH)), L"");
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_COMMENT)), L"");
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), L"");  // titles are not fetched by default
  // The icon chosen before went with the link-only fields.
  TempFolder out;
  Type(s, IDC_TXT_SHORTCUTNAME, L"site");
  const std::wstring written = s.CreateInto(out.Path());
  ASSERT_FALSE(written.empty());
  EXPECT_EQ(test::ReadFileBytes(written).find("IconFile"), std::string::npos);
}

TEST_F(TargetSelection, DroppedShortcutFilesLoadAndTickTheirDestination) {
  TempFolder dir;
  const std::wstring target = dir / L"app.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "x"));
  std::wstring desktop, favorites;
  {
    MainWindowSession probe;
    desktop = probe.Folders().desktop;
    favorites = probe.Folders().favorites;
  }
  const std::wstring link = desktop + L"\\ドロップ試験" + std::to_wstring(GetCurrentProcessId()) + L".lnk";
  cleanup_.push_back(link);
  ShellLink shell;
  ASSERT_TRUE(shell.CreateShellLink(link, target, dir.Path(), L"-v", L"", 0, SW_SHOW, L"メモ"));
  const std::wstring url = favorites + L"\\サイト" + std::to_wstring(GetCurrentProcessId()) + L".url";
  cleanup_.push_back(url);
  ASSERT_TRUE(WriteInternetShortcut(url, L"http://example.com/", L"", 0));

  MainWindowSession s;
  s.Drop(test::MakeFileDrop({link}));
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), target);
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_OPTION)), L"-v");
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_COMMENT)), L"メモ");
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), L"ドロップ試験" + std::to_wstring(GetCurrentProcessId()));
  for (int i = 0; i < 7; ++i) EXPECT_EQ(test::IsChecked(s.Control(IDC_CHK_WHERE + i)), i == 0) << i;

  s.Drop(test::MakeFileDrop({url}));
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), L"http://example.com/");
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), L"サイト" + std::to_wstring(GetCurrentProcessId()));
  for (int i = 0; i < 7; ++i) EXPECT_EQ(test::IsChecked(s.Control(IDC_CHK_WHERE + i)), i == 6) << i;
  EXPECT_EQ(TextOf(s.Control(IDC_CMB_FAVORITESPATH)), favorites);
}

// Each road in: the command line, a drop, the file picker.
enum class Road { CommandLine, Drop, Picker };
constexpr Road kRoads[] = {Road::CommandLine, Road::Drop, Road::Picker};

// A shortcut read back and written again keeps the icon it names, as it names it: a full path,
// a bare DLL name as the scripting host writes it, an unexpanded %SystemRoot%, a file that is
// not there now.
TEST_F(TargetSelection, ShortcutFilesReadBackKeepTheirIconOnEveryRoad) {
  TempFolder dir;
  const std::wstring target = dir / L"app.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "x"));
  const std::wstring link = dir / L"道具.lnk";
  const std::wstring url = dir / L"サイト.url";
  const std::pair<std::wstring, int> icons[] = {{GetSystemFolder() + L"shell32.dll", 12},
                                                {L"shell32.dll", 12},
                                                {L"%SystemRoot%\\system32\\shell32.dll", 12},
                                                {L"Z:\\gone\\アイコン.ico", 2}};
  std::wstring chosen;
  SetFilePickerResponder([&](FilePickerRequest&) { return std::vector{chosen}; });
  for (const Road road : kRoads) {
    for (const auto& [iconFile, iconIndex] : icons) {
      SCOPED_TRACE(testing::PrintToString(iconFile) + " road " + std::to_string(static_cast<int>(road)));
      ShellLink shell;
      ASSERT_TRUE(shell.CreateShellLink(link, target, dir.Path(), L"", iconFile, iconIndex, SW_SHOW, L""));
      ShellLinkInfo written;
      ASSERT_TRUE(shell.GetShellLinkInfo(link, written));
      DeleteFileW(url.c_str());
      ASSERT_TRUE(WriteInternetShortcut(url, L"http://example.com/", iconFile, iconIndex));
      for (const std::wstring& file : {link, url}) {
        chosen = file;
        MainWindowSession s(road == Road::CommandLine ? L"\"" + file + L"\"" : L"");
        if (road == Road::Drop) s.Drop(test::MakeFileDrop({file}));
        if (road == Road::Picker) test::Click(s.Control(IDC_BTN_BROWS + 0));
        ASSERT_TRUE(test::IsChecked(s.Control(IDC_CHK_WHERE + 5)));  // its own folder, to write it again
        ScriptedMessageBoxes boxes({IDYES});
        test::Click(s.Control(IDC_BTN_CREATE));
        ASSERT_EQ(boxes.Asks().size(), 2u);
        EXPECT_EQ(boxes.Asks()[1].style, static_cast<UINT>(MB_ICONINFORMATION));
        if (file == link) {
          ShellLinkInfo again;
          ASSERT_TRUE(shell.GetShellLinkInfo(link, again));
          EXPECT_EQ(again.iconFile, written.iconFile);
          EXPECT_EQ(again.iconIndex, written.iconIndex);
        } else {
          InternetShortcut again;
          ASSERT_TRUE(ReadInternetShortcut(url, again));
          EXPECT_EQ(again.iconFile, iconFile);
          EXPECT_EQ(again.iconIndex, iconIndex);
        }
      }
    }
  }
}

// A .lnk or .url that cannot be read leaves the form as it was, ticks nothing and says so:
// creating again must not write the previous target over the broken file.
TEST_F(TargetSelection, AShortcutFileThatCannotBeReadChangesNothing) {
  TempFolder dir;
  const std::wstring target = dir / L"app.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "x"));
  const std::wstring good = dir / L"good.lnk";
  ASSERT_TRUE(ShellLink().CreateShellLink(good, target, dir.Path(), L"", L"", 0, SW_SHOW, L""));
  const std::string link = test::ReadFileBytes(good);
  const std::wstring truncated = dir / L"truncated.lnk", notLink = dir / L"text.lnk", noUrl = dir / L"empty.url",
                     locked = dir / L"locked.url";
  ASSERT_TRUE(test::WriteFileBytes(truncated, link.substr(0, 40)));
  ASSERT_TRUE(test::WriteFileBytes(notLink, "not a link at all"));
  ASSERT_TRUE(test::WriteFileBytes(noUrl, "\x89PNG\r\n garbage"));
  ASSERT_TRUE(WriteInternetShortcut(locked, L"http://example.com/", L"", 0));
  // Held open with no sharing, as another program writing it would.
  const win::FileHandle lock(CreateFileW(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(lock);
  std::wstring chosen;
  SetFilePickerResponder([&](FilePickerRequest&) { return std::vector{chosen}; });
  for (const Road road : kRoads) {
    for (const std::wstring& broken : {truncated, notLink, noUrl, locked}) {
      SCOPED_TRACE(testing::PrintToString(broken) + " road " + std::to_string(static_cast<int>(road)));
      ScriptedMessageBoxes boxes;
      chosen = broken;
      std::wstring before;  // the form the road found
      MainWindowSession s(road == Road::CommandLine ? L"\"" + broken + L"\"" : L"");
      if (road != Road::CommandLine) {
        chosen = target;
        test::Click(s.Control(IDC_BTN_BROWS + 0));
        chosen = broken;
        before = target;
        if (road == Road::Drop) s.Drop(test::MakeFileDrop({broken}));
        if (road == Road::Picker) test::Click(s.Control(IDC_BTN_BROWS + 0));
      }
      EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), before);
      EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), before.empty() ? L"" : L"app");
      for (int i = 0; i < 7; ++i) EXPECT_FALSE(test::IsChecked(s.Control(IDC_CHK_WHERE + i))) << i;
      ASSERT_EQ(boxes.Asks().size(), 1u);
      EXPECT_EQ(boxes.Asks()[0].text, L"ショートカットファイルを読み込めませんでした。\r\n\r\n" + broken);
      EXPECT_EQ(boxes.Asks()[0].style, static_cast<UINT>(MB_ICONEXCLAMATION));
    }
  }
}

TEST_F(TargetSelection, FilePickerStartsInTheTargetsFolderAndRemembersItsFilter) {
  TempFolder dir;
  const std::wstring file = dir / L"tool.exe";
  ASSERT_TRUE(test::WriteFileBytes(file, "MZ"));
  struct Call {
    int filterIndex;
    std::wstring initialFolder;
  };
  std::vector<Call> calls;
  SetFilePickerResponder([&](FilePickerRequest& request) {
    calls.push_back({request.filterIndex, request.initialFolder});
    request.filterIndex = 2;  // the person switches to executables
    return std::vector{file};
  });
  MainWindowSession s;
  test::Click(s.Control(IDC_BTN_BROWS + 0));
  test::Click(s.Control(IDC_BTN_BROWS + 0));
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].filterIndex, 1);
  EXPECT_EQ(calls[0].initialFolder, L"");
  EXPECT_EQ(calls[1].filterIndex, 2);
  EXPECT_EQ(calls[1].initialFolder, dir.Path() + L"\\");
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), file);
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), L"tool");
}

TEST_F(TargetSelection, ThePreviewFollowsTheTargetsIcons) {
  TempFolder dir;
  const std::wstring text = dir / L"readme.txt";
  ASSERT_TRUE(test::WriteFileBytes(text, "x"));
  const std::wstring withIcons = GetSystemFolder() + L"shell32.dll";
  std::wstring chosen = withIcons;
  SetFilePickerResponder([&](FilePickerRequest&) { return std::vector{chosen}; });
  std::vector<COLORREF> pictures[2];
  for (int arrowIcon : {0, 1}) {
    WritePrivateProfileStringW(L"GENERAL", L"ArrowIcon", std::to_wstring(arrowIcon).c_str(), SettingsFile().c_str());
    MainWindowSession s;
    chosen = withIcons;
    test::Click(s.Control(IDC_BTN_BROWS + 0));
    EXPECT_EQ(s.ToolTipOf(IDC_PIC_ICON), withIcons);
    EXPECT_TRUE(s.PreviewShowsIcon());
    pictures[arrowIcon] = s.PreviewPicture();

    chosen = text;
    test::Click(s.Control(IDC_BTN_BROWS + 0));
    EXPECT_EQ(s.ToolTipOf(IDC_PIC_ICON), L"");
    TempFolder out;
    const std::wstring written = s.CreateInto(out.Path());
    ASSERT_FALSE(written.empty());
    const auto link = test::ReadLnkFile(test::ReadFileBytes(written));
    ASSERT_TRUE(link);
    EXPECT_NE(link->iconLocation.value_or(L""), withIcons) << "the icon before is not carried over";

    test::Click(s.Control(IDC_BTN_CLEAR + 0));
    EXPECT_FALSE(s.PreviewShowsIcon());  // neither an icon nor the arrow
  }
  EXPECT_NE(pictures[0], pictures[1]) << "the arrow follows its option";
}

TEST_F(TargetSelection, ShiftClickPicksAFolderAndTheComboButtonsFillTheirCombos) {
  TempFolder dir;
  std::vector<FolderPickerRequest> asked;
  SetFolderPickerResponder([&](const FolderPickerRequest& request) {
    asked.push_back(request);
    return dir.Path();
  });
  MainWindowSession s;
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  test::Click(s.Control(IDC_BTN_BROWS + 0));
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), dir.Path());

  s.SetBox(IDC_CHK_WHERE + 1, true);
  s.SetBox(IDC_CHK_WHERE + 5, true);
  s.SetBox(IDC_CHK_WHERE + 6, true);
  test::Click(s.Control(IDC_BTN_BROWS + 1));
  test::Click(s.Control(IDC_BTN_BROWS + 2));
  s.SetBox(IDC_CHK_ALLUSERS, true);
  test::Click(s.Control(IDC_BTN_BROWS + 2));
  test::Click(s.Control(IDC_BTN_BROWS + 4));
  ASSERT_EQ(asked.size(), 5u);
  EXPECT_EQ(asked[0].title, L"リンク先フォルダを選択してください。");
  EXPECT_EQ(asked[0].flags, 65u);
  EXPECT_EQ(asked[1].title, L"ショートカットを作成する場所を選択してください。");
  EXPECT_EQ(asked[1].rootCsidl, 0);
  EXPECT_EQ(asked[2].rootCsidl, 11);
  EXPECT_EQ(asked[3].rootCsidl, 22);
  EXPECT_EQ(asked[4].rootCsidl, 6);
  EXPECT_EQ(asked[3].initialSelection, dir.Path());  // the combo now holds an existing folder
  for (int combo : {IDC_CMB_FREEPATH, IDC_CMB_STARTMENUPATH, IDC_CMB_FAVORITESPATH})
    EXPECT_EQ(TextOf(s.Control(combo)), dir.Path());
}

TEST_F(TargetSelection, UrlTargetsBecomeInternetShortcutsThatKeepOtherSections) {
  const std::wstring name = L"ウェブ" + std::to_wstring(GetCurrentProcessId());
  MainWindowSession s;
  const std::wstring desktopUrl = s.Folders().desktop + L"\\" + name + L".url";
  const std::wstring favoritesUrl = s.Folders().favorites + L"\\" + name + L".url";
  cleanup_ = {desktopUrl, favoritesUrl};
  ASSERT_TRUE(test::WriteFileBytes(favoritesUrl, "[Other]\r\nkeep=1\r\n[InternetShortcut]\r\nURL=http://old/\r\n"));
  Type(s, IDC_TXT_LNKPATH, L"http://example.com/page?x=1");
  Type(s, IDC_TXT_SHORTCUTNAME, name);
  s.SetBox(IDC_CHK_WHERE + 0, true);
  s.SetBox(IDC_CHK_WHERE + 6, true);
  ScriptedMessageBoxes boxes({IDYES});
  test::Click(s.Control(IDC_BTN_CREATE));
  ASSERT_EQ(boxes.Asks().size(), 2u);
  EXPECT_EQ(boxes.Asks()[0].text, L"「お気に入り」には同名のショートカットが既に存在します。\r\n\r\n上書きしますか？\r\n");
  EXPECT_EQ(boxes.Asks()[1].text, L"インターネットショートカットはすべて作成されました。");
  EXPECT_EQ(test::ReadFileBytes(desktopUrl), "[InternetShortcut]\r\nURL=http://example.com/page?x=1\r\n");
  const std::string favoritesBytes = test::ReadFileBytes(favoritesUrl);
  EXPECT_NE(favoritesBytes.find("[Other]\r\nkeep=1\r\n"), std::string::npos);
  EXPECT_NE(favoritesBytes.find("URL=http://example.com/page?x=1\r\n"), std::string::npos);
  EXPECT_EQ(favoritesBytes.find("http://old/"), std::string::npos);
}

}  // namespace
}  // namespace pelmora
