// The options dialog opened on its own, driven as a user would drive it, against the real
// registry of the current user and a settings file in a temporary folder.
#include "app/option_dialog.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <variant>

#include "resource.h"
#include "text/text_rules.h"
#include "win/message_box.h"
#include "win/system.h"
#include "win/registry.h"
#include "shell/menu_registration.h"
#include "support/win/data_object.h"
#include "support/win/gui_driver.h"
#include "support/win/main_window_fixture.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::Click;
using test::IsChecked;
using test::IsEnabled;
using test::ScriptedMessageBoxes;
using test::TextOf;
using test::ToolTipOf;

const std::wstring kPid = std::to_wstring(GetCurrentProcessId());
const std::wstring kClasses = L"Software\\Classes\\";
const std::wstring kIeKey = L"Software\\Microsoft\\Internet Explorer\\MenuExt\\ペルモラ(&S)";

std::vector<std::wstring> ListEntries(HWND list) {
  std::vector<std::wstring> entries;
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    entries.emplace_back(text);
  }
  return entries;
}

int Selected(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)); }

void SelectEntry(HWND dialog, int index) {
  SendDlgItemMessageW(dialog, IDC_LST_EXT, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_LST_EXT, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_LST_EXT)));
}

struct KeyShape {
  DWORD values = 0, subKeys = 0;
  bool operator==(const KeyShape&) const = default;
};
// How many values and sub-keys a key of the current user has; nullopt when it is missing.
std::optional<KeyShape> ShapeOf(const std::wstring& key) {
  const RegKey k = OpenRegKey(HKEY_CURRENT_USER, key, KEY_READ);
  if (!k) return std::nullopt;
  KeyShape shape;
  RegQueryInfoKeyW(k.get(), nullptr, nullptr, nullptr, &shape.subKeys, nullptr, nullptr, &shape.values, nullptr,
                   nullptr, nullptr, nullptr);
  return shape;
}

std::wstring UserText(const std::wstring& key, const wchar_t* name = L"") {
  return ReadRegValue(HKEY_CURRENT_USER, key, name, L"(missing)");
}

class OptionDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    test::InitWindowsOnce();
    paths_ = {L"C:\\ペルモラ 𠮷\\pelmora.exe", dir_ / L"pelmora.ini", dir_ / L"ExecPel.htm"};
    ASSERT_TRUE(test::WriteFileBytes(paths_.ieScriptPath, "<html></html>"));
    RemoveKeys();
    for (const auto& key : kParents) existedBefore_.push_back(static_cast<bool>(OpenRegKey(HKEY_CURRENT_USER, key, KEY_READ)));
  }
  void TearDown() override {
    RemoveKeys();
    // Registering makes the parents of an entry as well; the prefix is left as it was found.
    for (size_t i = 0; i < kParents.size(); ++i)
      if (!existedBefore_[i]) RegDeleteTreeW(HKEY_CURRENT_USER, kParents[i].c_str());
  }

  // The keys these tests may make. The four fixed entries belong to this test program alone.
  void RemoveKeys() {
    for (const std::wstring& key : std::vector<std::wstring>{
             L"*\\shell\\Pelmora", L"Directory\\shell\\Pelmora", L"lnkfile\\shell\\Pelmora", L"lnkfile\\shell\\Pelmora2",
          L"inifile\\shell\\Pelmora", L"." + Ext(L"zzq"), L"Zzq" + kPid + L"File", L"." + Ext(L"zza"),
          L"." + Ext(L"zzb"), L"." + Ext(L"zzc"), L"Zza" + kPid + L"File", L"Zzb" + kPid + L"File",
          L"Zzc" + kPid + L"File", L"PelmoraSame" + kPid, L"." + Ext(L"café"), L"Café" + kPid + L"File"})
      RegDeleteTreeW(HKEY_CURRENT_USER, (kClasses + key).c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, kIeKey.c_str());
  }

  static std::wstring Ext(const wchar_t* stem) { return stem + kPid; }
  static std::wstring ExtUpper(const wchar_t* stem) { return ToUpper(stem) + kPid; }

  // Opens the dialog; `drive` acts on it and closes it. The result of ShowOptionDialog.
  bool Run(const std::function<void(HWND dialog)>& drive) {
    bool result = false;
    test::WithModalWindow(
        L"オプション", [&] { result = ShowOptionDialog(nullptr, settings_, paths_); }, drive);
    return result;
  }

  std::wstring StoredExtensions(bool* present = nullptr) {
    wchar_t text[512] = {};
    GetPrivateProfileStringW(L"SYSTEM", L"HkcrExt", L"(absent)", text, 512, paths_.settingsFilePath.c_str());
    if (present) *present = std::wstring(text) != L"(absent)";
    return text;
  }

  const std::vector<std::wstring> kParents = {kClasses + L"*", kClasses + L"Directory", kClasses + L"lnkfile",
                                              kClasses + L"inifile",
                                              L"Software\\Microsoft\\Internet Explorer\\MenuExt"};
  std::vector<bool> existedBefore_;
  test::TempFolder dir_;
  OptionPaths paths_;
  Settings settings_;
};

// Each box of the dialog and the setting it stands for.
struct Switch {
  int id;
  bool Settings::*field;
};
const Switch kSwitches[] = {
    {IDC_CHK_CHECKLOCATION, &Settings::CheckLocation}, {IDC_CHK_EXITAFTERCREATE, &Settings::ExitAfterCreate},
    {IDC_CHK_WINDOWPOS, &Settings::WindowPos},         {IDC_CHK_NOMESSAGE, &Settings::NoMessage},
    {IDC_CHK_ARROWICON, &Settings::ArrowIcon},         {IDC_CHK_GETHTMLTITLE, &Settings::GetHtmlTitle},
    {IDC_CHK_GETVERSION, &Settings::GetVersion},       {IDC_CHK_GETMP3INFO, &Settings::GetMp3Info},
    {IDC_CHK_EXTCUT, &Settings::ExtCut},               {IDC_CHK_GETURLTITLE, &Settings::GetUrlTitle},
    {IDC_CHK_GETURLDLGTITLE, &Settings::GetUrlDlgTitle}, {IDC_CHK_GETURLICON, &Settings::GetUrlIcon},
};

TEST_F(OptionDialogTest, EveryControlShowsItsSettingAndOkStoresIt) {
  // In pattern k each box gets bit k of its row number: any two boxes differ in some pattern,
  // so a box wired to another's setting shows.
  for (int bit = 0; bit < 4; ++bit) {
    const int pattern = bit % 2;
    int n = 0;
    for (const auto& s : kSwitches) settings_.*s.field = ((n++ >> bit) & 1) != 0;
    settings_.Comment = 2 - pattern;
    settings_.GetMp3Format = pattern ? L"%T／%A" : L"  ";
    const Settings before = settings_;
    const bool ok = Run([&](HWND d) {
      for (const auto& s : kSwitches) EXPECT_EQ(IsChecked(GetDlgItem(d, s.id)), before.*s.field) << s.id;
      EXPECT_EQ(TextOf(GetDlgItem(d, IDC_TXT_FORMAT)), before.GetMp3Format);
      EXPECT_EQ(SendDlgItemMessageW(d, IDC_CMB_COMMENT, CB_GETCURSEL, 0, 0), before.Comment);
      // Every box changed, another comment entry, another format; then OK.
      for (const auto& s : kSwitches)
        SendDlgItemMessageW(d, s.id, BM_SETCHECK, before.*s.field ? BST_UNCHECKED : BST_CHECKED, 0);
      SendDlgItemMessageW(d, IDC_CMB_COMMENT, CB_SETCURSEL, static_cast<WPARAM>(pattern), 0);
      test::Type(GetDlgItem(d, IDC_TXT_FORMAT), pattern ? L"" : L"%A");
      Click(GetDlgItem(d, IDOK));
    });
    EXPECT_TRUE(ok);
    for (const auto& s : kSwitches) EXPECT_EQ(settings_.*s.field, !(before.*s.field)) << s.id << " " << pattern;
    EXPECT_EQ(settings_.Comment, pattern);
    EXPECT_EQ(settings_.GetMp3Format, pattern ? L"" : L"%A");  // taken as it stands, empty too
    EXPECT_EQ(settings_.HtmlBuffer, before.HtmlBuffer);  // not the dialog's
  }
}

TEST_F(OptionDialogTest, OpensInJapaneseWithItsListsAndTooltips) {
  settings_.Comment = 7;  // not a list entry: the first is shown, so OK keeps a valid one
  const bool ok = Run([&](HWND d) {
    EXPECT_EQ(SendDlgItemMessageW(d, IDC_CMB_COMMENT, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(TextOf(GetDlgItem(d, IDC_CMB_COMMENT)), L"何もしない");
    EXPECT_EQ(ToolTipOf(d, IDC_LBL_COMMENTSETTING), L"Windows 2000/XP で有効");
    EXPECT_EQ(ToolTipOf(d, IDC_CMB_COMMENT), L"Windows 2000/XP で有効");
    EXPECT_EQ(ToolTipOf(d, IDC_CHK_GETMP3INFO), L"VBMP3.DLL が必要");
    EXPECT_EQ(ToolTipOf(d, IDC_CHK_GETURLTITLE), L"ｲﾝﾀｰﾈｯﾄに接続している必要があります");
    EXPECT_EQ(ToolTipOf(d, IDC_CHK_GETURLDLGTITLE), L"ｲﾝﾀｰﾈｯﾄに接続している必要があります");
    EXPECT_EQ(ToolTipOf(d, IDC_CHK_WINDOWPOS), L"");
    for (int id : {IDC_BTN_ADD, IDC_BTN_DEL, IDC_BTN_ALLDEL}) EXPECT_FALSE(IsEnabled(GetDlgItem(d, id))) << id;
    // Enter presses OK.
    PostMessageW(GetDlgItem(d, IDC_CHK_WINDOWPOS), WM_KEYDOWN, VK_RETURN, 0);
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(settings_.Comment, 0);
}

TEST_F(OptionDialogTest, EveryWayOutButOkKeepsTheSettingsAndSavesTheExtensionList) {
  struct Way {
    const char* name;
    std::function<void(HWND)> close;
  } ways[] = {
      {"キャンセル", [](HWND d) { Click(GetDlgItem(d, IDCANCEL)); }},
      {"Esc", [](HWND d) { PostMessageW(GetDlgItem(d, IDC_TXT_EXT), WM_KEYDOWN, VK_ESCAPE, 0); }},
      {"close box", [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const auto& way : ways) {
    WritePrivateProfileStringW(L"SYSTEM", L"HkcrExt", L"GONE", paths_.settingsFilePath.c_str());
    const Settings before = settings_;
    const bool ok = Run([&](HWND d) {
      for (const auto& s : kSwitches) Click(GetDlgItem(d, s.id));
      test::Type(GetDlgItem(d, IDC_TXT_FORMAT), L"x");
      way.close(d);
    });
    EXPECT_FALSE(ok) << way.name;
    for (const auto& s : kSwitches) EXPECT_EQ(settings_.*s.field, before.*s.field) << way.name;
    EXPECT_EQ(settings_.GetMp3Format, before.GetMp3Format) << way.name;
    bool present = false;
    EXPECT_EQ(StoredExtensions(&present), L"") << way.name;  // the vanished entry is gone
    EXPECT_TRUE(present) << way.name;  // an empty list is an empty value, not a missing key
  }
}

TEST_F(OptionDialogTest, CancelKeepsRegistrationsMadeMeanwhile) {
  settings_.NoMessage = 0;
  ScriptedMessageBoxes boxes({IDYES, IDYES, IDOK});
  const bool ok = Run([&](HWND d) {
    Click(GetDlgItem(d, IDC_CHK_NOMESSAGE));
    test::Type(GetDlgItem(d, IDC_TXT_EXT), L".ini");
    Click(GetDlgItem(d, IDC_BTN_ADD));
    Click(GetDlgItem(d, IDC_BTN_FOLDER));
    Click(GetDlgItem(d, IDCANCEL));
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(settings_.NoMessage, 0);
  EXPECT_EQ(StoredExtensions(), L"INI");
  EXPECT_TRUE(IsExtensionRegistered(L"ini"));
  EXPECT_TRUE(IsMenuRegistered(MenuEntry::Folders));
  // The next opening starts from the registry again.
  Run([&](HWND d) {
    EXPECT_EQ(ListEntries(GetDlgItem(d, IDC_LST_EXT)), std::vector<std::wstring>{L"INI"});
    EXPECT_EQ(TextOf(GetDlgItem(d, IDC_BTN_FOLDER)), L"フォルダから削除(&O)");
    Click(GetDlgItem(d, IDCANCEL));
  });
}

TEST_F(OptionDialogTest, DependentControlsFollowTheirBoxes) {
  settings_.GetUrlTitle = 0;
  settings_.GetUrlDlgTitle = 1;
  settings_.GetMp3Info = 0;
  const bool ok = Run([&](HWND d) {
    HWND urlTitle = GetDlgItem(d, IDC_CHK_GETURLTITLE), dlgTitle = GetDlgItem(d, IDC_CHK_GETURLDLGTITLE);
    HWND mp3 = GetDlgItem(d, IDC_CHK_GETMP3INFO);
    EXPECT_FALSE(IsEnabled(dlgTitle));
    EXPECT_FALSE(IsEnabled(GetDlgItem(d, IDC_CHK_GETURLICON)));
    EXPECT_TRUE(IsChecked(dlgTitle));  // disabled, yet keeps its tick
    EXPECT_FALSE(IsEnabled(GetDlgItem(d, IDC_TXT_FORMAT)));
    EXPECT_FALSE(IsEnabled(GetDlgItem(d, IDC_LBL_FORMAT)));
    Click(urlTitle);
    EXPECT_TRUE(IsEnabled(dlgTitle));
    EXPECT_TRUE(IsEnabled(GetDlgItem(d, IDC_CHK_GETURLICON)));
    EXPECT_TRUE(IsChecked(dlgTitle));
    Click(dlgTitle);
    Click(urlTitle);
    EXPECT_FALSE(IsEnabled(dlgTitle));
    Click(urlTitle);
    EXPECT_FALSE(IsChecked(dlgTitle));  // its earlier tick back
    Click(dlgTitle);
    Click(urlTitle);
    Click(mp3);
    EXPECT_TRUE(IsEnabled(GetDlgItem(d, IDC_TXT_FORMAT)));
    EXPECT_TRUE(IsEnabled(GetDlgItem(d, IDC_LBL_FORMAT)));
    Click(mp3);
    EXPECT_FALSE(IsEnabled(GetDlgItem(d, IDC_TXT_FORMAT)));
    Click(GetDlgItem(d, IDOK));
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(settings_.GetUrlTitle, 0);
  EXPECT_EQ(settings_.GetUrlDlgTitle, 1);  // the disabled box's tick is stored
  EXPECT_EQ(settings_.GetMp3Info, 0);
}

TEST_F(OptionDialogTest, EachToggleWritesItsEntryAndFlipsItsCaption) {
  const std::wstring open = L"\"C:\\ペルモラ 𠮷\\pelmora.exe\" \"%1\"";
  struct Value {
    std::wstring key;
    const wchar_t* name;
    std::variant<std::wstring, DWORD> data;  // REG_SZ or REG_DWORD
  };
  struct Toggle {
    int id;
    const wchar_t* addCaption;
    DWORD addTopic;
    const wchar_t* removeCaption;
    DWORD removeTopic;
    const wchar_t* addQuestion;
    std::vector<std::wstring> keys;  // the entry's keys, below the current user
    std::vector<KeyShape> shapes;
    std::vector<Value> values;
    int messagesAfterAdd, messagesAfterRemove;  // information boxes
  };
  // An Explorer entry: its caption key with the command key below it.
  auto shellEntry = [](int id, const wchar_t* addCaption, DWORD addTopic, const wchar_t* removeCaption,
                       DWORD removeTopic, const wchar_t* addQuestion, const std::wstring& key,
                       const wchar_t* caption, const std::wstring& command, int messagesAfterAdd) {
    const std::wstring menu = kClasses + key, commandKey = menu + L"\\command";
    return Toggle{id, addCaption, addTopic, removeCaption, removeTopic, addQuestion, {menu, commandKey},
                  {{1, 1}, {1, 0}}, {{menu, L"", caption}, {commandKey, L"", command}}, messagesAfterAdd, 0};
  };
  const Toggle toggles[] = {
      shellEntry(IDC_BTN_ALLFILES, L"全ファイルに追加(&Q)", 59, L"全ファイルから削除(&Q)", 60,
                 L"全てのファイルの右クリックメニューに\r\n「ペルモラ」を追加しますか？", L"*\\shell\\Pelmora",
                 L"ペルモラ(&S)", open, 1),
      shellEntry(IDC_BTN_FOLDER, L"フォルダに追加(&O)", 43, L"フォルダから削除(&O)", 44,
                 L"フォルダの右クリックメニューに\r\n「ペルモラ」を追加しますか？", L"Directory\\shell\\Pelmora",
                 L"ペルモラ(&S)", open, 0),
      shellEntry(IDC_BTN_TARGET, L"\"ﾘﾝｸ先を開く\"を追加(&B)", 46, L"\"ﾘﾝｸ先を開く\"を削除(&B)", 47,
                 L"ショートカットの右クリックメニューに\r\n「リンク先を開く」を追加しますか？", L"lnkfile\\shell\\Pelmora",
                 L"リンク先を開く(&L)", L"\"C:\\ペルモラ 𠮷\\pelmora.exe\" /LNK \"%1\"", 0),
      {IDC_BTN_IE, L"&I E に追加", 56, L"&I E から削除", 57, L"ＩＥの右クリックメニューに\r\n「ペルモラ」を追加しますか？",
       {kIeKey},
       {{4, 0}},
       {{kIeKey, L"", paths_.ieScriptPath},
        {kIeKey, L"Contexts", DWORD{1}},
        {kIeKey, L"Flags", DWORD{0}},
        {kIeKey, L"ExePath", paths_.programPath}},
       1, 1},
  };
  for (const auto& t : toggles) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(t.addCaption)));
    ScriptedMessageBoxes boxes({IDNO, IDYES});
    for (int i = 0; i < t.messagesAfterAdd; ++i) boxes.Answer(IDOK);
    boxes.Answer(IDYES);
    Run([&](HWND d) {
      HWND button = GetDlgItem(d, t.id);
      EXPECT_EQ(TextOf(button), t.addCaption);
      EXPECT_EQ(GetWindowContextHelpId(button), t.addTopic);
      Click(button);  // answered No
      EXPECT_EQ(TextOf(button), t.addCaption);
      EXPECT_FALSE(ShapeOf(t.keys[0]));
      Click(button);  // Yes
      EXPECT_EQ(TextOf(button), t.removeCaption);
      EXPECT_EQ(GetWindowContextHelpId(button), t.removeTopic);
      for (size_t i = 0; i < t.keys.size(); ++i) EXPECT_EQ(ShapeOf(t.keys[i]), t.shapes[i]) << i;
      for (const auto& v : t.values) {
        if (const auto* text = std::get_if<std::wstring>(&v.data)) {
          EXPECT_EQ(UserText(v.key, v.name), *text) << v.name;  // a text of another type reads as missing
        } else {
          EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, v.key, v.name, DWORD{12345}), std::get<DWORD>(v.data)) << v.name;
        }
      }
      const size_t asked = boxes.Asks().size();
      Click(button);  // remove, Yes
      EXPECT_EQ(boxes.Asks().back().owner, d) << "boxes are modal to the dialog";
      EXPECT_EQ(TextOf(button), t.addCaption);
      EXPECT_EQ(GetWindowContextHelpId(button), t.addTopic);
      for (const auto& key : t.keys) EXPECT_FALSE(ShapeOf(key)) << testing::PrintToString(key);
      EXPECT_EQ(boxes.Asks().size(), asked + 1 + t.messagesAfterRemove);
      Click(GetDlgItem(d, IDCANCEL));
    });
    ASSERT_GE(boxes.Asks().size(), 2u);
    EXPECT_EQ(boxes.Asks()[0].text, t.addQuestion);
    EXPECT_EQ(boxes.Asks()[0].style, 36u);
    EXPECT_EQ(boxes.Asks()[0].title, L"ペルモラ");
    EXPECT_EQ(boxes.Asks().size(), 2u + t.messagesAfterAdd + 1u + t.messagesAfterRemove);
    for (size_t i = 2; i < 2u + t.messagesAfterAdd; ++i) EXPECT_EQ(boxes.Asks()[i].style, 64u);
  }
}

TEST_F(OptionDialogTest, AllFilesAdviceDependsOnListedExtensions) {
  ASSERT_EQ(AddExtensionMenu(L"ini", paths_.programPath), AddExtensionResult::Added);
  SaveExtensionList(paths_.settingsFilePath, {L"INI"});
  ScriptedMessageBoxes boxes({IDYES, IDOK});
  Run([&](HWND d) {
    Click(GetDlgItem(d, IDC_BTN_ALLFILES));
    Click(GetDlgItem(d, IDCANCEL));
  });
  ASSERT_EQ(boxes.Asks().size(), 2u);
  EXPECT_EQ(boxes.Asks()[1].style, 64u);
  EXPECT_TRUE(boxes.Asks()[1].text.starts_with(L"個別に登録された拡張子が存在します。\r\n"));
  EXPECT_TRUE(boxes.Asks()[1].text.ends_with(L"\r\n必要であれば、個別に拡張子を登録してください。"));
}

TEST_F(OptionDialogTest, MissingScriptKeepsTheInternetExplorerEntryOut) {
  paths_.ieScriptPath = dir_ / L"missing.htm";
  ScriptedMessageBoxes boxes({IDYES});
  Run([&](HWND d) {
    Click(GetDlgItem(d, IDC_BTN_IE));
    EXPECT_EQ(TextOf(GetDlgItem(d, IDC_BTN_IE)), L"&I E に追加");
    Click(GetDlgItem(d, IDCANCEL));
  });
  EXPECT_FALSE(ShapeOf(kIeKey));
  ASSERT_EQ(boxes.Asks().size(), 3u);
  EXPECT_EQ(boxes.Asks()[1].text, paths_.ieScriptPath + L"\r\nが存在しません。");
  EXPECT_EQ(boxes.Asks()[1].style, 16u);
  EXPECT_EQ(boxes.Asks()[2].text, L"レジストリへの登録に失敗しました。");
  EXPECT_EQ(boxes.Asks()[2].style, 16u);
}

TEST_F(OptionDialogTest, AddingExtensionsOfKnownAndUnknownTypes) {
  const std::wstring zzq = Ext(L"zzq"), zzqType = L"Zzq" + kPid + L"File";
  ScriptedMessageBoxes boxes({IDYES, IDYES, IDYES});
  Run([&](HWND d) {
    HWND ext = GetDlgItem(d, IDC_TXT_EXT), add = GetDlgItem(d, IDC_BTN_ADD), list = GetDlgItem(d, IDC_LST_EXT);
    test::Type(ext, L"  ");
    EXPECT_FALSE(IsEnabled(add));
    test::Type(ext, L"  .ini ");
    EXPECT_TRUE(IsEnabled(add));
    Click(add);  // a type the system knows: inifile
    EXPECT_EQ(TextOf(ext), L"");
    EXPECT_FALSE(IsEnabled(add));
    test::Type(ext, L"." + zzq);
    Click(add);  // unknown: its type is made
    test::Type(ext, L"LNK");
    Click(add);  // shortcut files: beside the open-target entry
    EXPECT_EQ(ListEntries(list), (std::vector<std::wstring>{L"INI", L"LNK", ExtUpper(L"zzq")}));
    EXPECT_TRUE(IsEnabled(GetDlgItem(d, IDC_BTN_ALLDEL)));
    EXPECT_FALSE(IsEnabled(GetDlgItem(d, IDC_BTN_DEL)));
    test::Type(ext, L"Ini");
    Click(add);  // listed already: refused without a question
    test::Type(ext, L"a\\b");
    Click(add);  // would name another key
    EXPECT_EQ(ListEntries(list).size(), 3u);
    Click(GetDlgItem(d, IDOK));
  });
  ASSERT_EQ(boxes.Asks().size(), 5u);
  EXPECT_EQ(boxes.Asks()[0].text, L"拡張子\"INI\"のファイルの右クリックメニューに\r\n「ペルモラ」を追加しますか？");
  EXPECT_EQ(boxes.Asks()[3].text, L"この拡張子は既に登録されています。");
  EXPECT_EQ(boxes.Asks()[3].style, 48u);
  EXPECT_EQ(boxes.Asks()[4].style, 48u);

  EXPECT_EQ(UserText(kClasses + L"inifile\\shell\\Pelmora"), L"ペルモラ(&S)");
  EXPECT_EQ(UserText(kClasses + L"inifile\\shell\\Pelmora\\command"), L"\"C:\\ペルモラ 𠮷\\pelmora.exe\" \"%1\"");
  EXPECT_FALSE(ShapeOf(kClasses + L".ini"));  // a known type is not written again
  EXPECT_EQ(UserText(kClasses + L"." + zzq), zzqType);
  EXPECT_EQ(UserText(kClasses + zzqType + L"\\shell\\Pelmora"), L"ペルモラ(&S)");
  EXPECT_EQ(UserText(kClasses + L"lnkfile\\shell\\Pelmora2\\command"), L"\"C:\\ペルモラ 𠮷\\pelmora.exe\" \"%1\"");
  EXPECT_FALSE(ShapeOf(kClasses + L"lnkfile\\shell\\Pelmora"));
  EXPECT_EQ(StoredExtensions(), L"INI,LNK," + ExtUpper(L"zzq"));

  // Removing LNK takes only its own entry on shortcut files.
  ASSERT_TRUE(RegisterOpenTargetMenu(paths_.programPath));
  EXPECT_EQ(RemoveExtensionMenu(L"lnk"), RemoveExtensionResult::Removed);
  EXPECT_FALSE(ShapeOf(kClasses + L"lnkfile\\shell\\Pelmora2"));
  EXPECT_EQ(UserText(kClasses + L"lnkfile\\shell\\Pelmora"), L"リンク先を開く(&L)");
}

// An extension the ANSI code page cannot hold still names its registry key when the dialog
// opens again, so that it can be taken out.
TEST_F(OptionDialogTest, AnExtensionOutsideTheAnsiCodePageCanBeRemovedLater) {
  const std::wstring cafe = Ext(L"café"), menu = kClasses + L"Café" + kPid + L"File\\shell\\Pelmora";
  ScriptedMessageBoxes boxes({IDYES, IDYES});
  Run([&](HWND d) {
    test::Type(GetDlgItem(d, IDC_TXT_EXT), cafe);
    Click(GetDlgItem(d, IDC_BTN_ADD));
    Click(GetDlgItem(d, IDOK));
  });
  EXPECT_EQ(UserText(menu), L"ペルモラ(&S)");
  Run([&](HWND d) {
    EXPECT_EQ(ListEntries(GetDlgItem(d, IDC_LST_EXT)), std::vector<std::wstring>{ExtUpper(L"café")});
    SelectEntry(d, 0);
    Click(GetDlgItem(d, IDC_BTN_DEL));
    EXPECT_TRUE(ListEntries(GetDlgItem(d, IDC_LST_EXT)).empty());
    Click(GetDlgItem(d, IDCANCEL));
  });
  EXPECT_EQ(boxes.Asks().size(), 2u);
  EXPECT_FALSE(ShapeOf(menu));
  EXPECT_EQ(StoredExtensions(), L"");
}

TEST_F(OptionDialogTest, AnExtensionOfARegisteredTypeIsNotRegisteredAgain) {
  const std::wstring type = L"PelmoraSame" + kPid;
  for (const wchar_t* stem : {L"zza", L"zzb"})
    ASSERT_TRUE(WriteRegValue(HKEY_CURRENT_USER, kClasses + L"." + Ext(stem), L"", type));
  ScriptedMessageBoxes boxes({IDYES, IDYES});
  Run([&](HWND d) {
    for (const wchar_t* stem : {L"zza", L"zzb"}) {
      test::Type(GetDlgItem(d, IDC_TXT_EXT), Ext(stem));
      Click(GetDlgItem(d, IDC_BTN_ADD));
    }
    EXPECT_EQ(ListEntries(GetDlgItem(d, IDC_LST_EXT)), std::vector<std::wstring>{ExtUpper(L"zza")});
    EXPECT_EQ(TextOf(GetDlgItem(d, IDC_TXT_EXT)), Ext(L"zzb"));  // left for the user to change
    Click(GetDlgItem(d, IDCANCEL));
  });
  ASSERT_EQ(boxes.Asks().size(), 3u);
  EXPECT_EQ(boxes.Asks()[2].text,
            L"同じファイルタイプの拡張子が既に登録されているため、\r\nこの拡張子を登録する必要はありません。");
  EXPECT_EQ(boxes.Asks()[2].style, 48u);
}

TEST_F(OptionDialogTest, RemovingSelectsTheNextTheLastThenNothing) {
  // Three registered extensions of their own made-up types, and one whose entry was removed by
  // hand: it is not listed.
  std::vector<std::wstring> stored;
  for (const wchar_t* stem : {L"zza", L"zzb", L"zzc"}) {
    ASSERT_EQ(AddExtensionMenu(Ext(stem), paths_.programPath), AddExtensionResult::Added);
    stored.push_back(ExtUpper(stem));
  }
  stored.push_back(L"GONE" + kPid);
  SaveExtensionList(paths_.settingsFilePath, stored);
  ScriptedMessageBoxes boxes({IDNO, IDYES, IDYES, IDYES});
  Run([&](HWND d) {
    HWND list = GetDlgItem(d, IDC_LST_EXT), del = GetDlgItem(d, IDC_BTN_DEL);
    EXPECT_EQ(ListEntries(list), (std::vector<std::wstring>{ExtUpper(L"zza"), ExtUpper(L"zzb"), ExtUpper(L"zzc")}));
    SelectEntry(d, 1);
    EXPECT_TRUE(IsEnabled(del));
    Click(del);  // No
    EXPECT_EQ(ListEntries(list).size(), 3u);
    Click(del);  // the middle one
    EXPECT_EQ(ListEntries(list), (std::vector<std::wstring>{ExtUpper(L"zza"), ExtUpper(L"zzc")}));
    EXPECT_EQ(Selected(list), 1);
    Click(del);  // the last one
    EXPECT_EQ(ListEntries(list), std::vector<std::wstring>{ExtUpper(L"zza")});
    EXPECT_EQ(Selected(list), 0);
    Click(del);  // the only one
    EXPECT_TRUE(ListEntries(list).empty());
    EXPECT_EQ(Selected(list), LB_ERR);
    EXPECT_FALSE(IsEnabled(del));
    EXPECT_FALSE(IsEnabled(GetDlgItem(d, IDC_BTN_ALLDEL)));
    Click(GetDlgItem(d, IDCANCEL));
  });
  EXPECT_EQ(boxes.Asks()[0].text, L"拡張子\"" + ExtUpper(L"zzb") + L"\"のファイルの右クリックメニューから\r\n「ペルモラ」を削除しますか？");
  for (const wchar_t* stem : {L"zza", L"zzb", L"zzc"}) {
    EXPECT_FALSE(IsExtensionRegistered(Ext(stem)));
    EXPECT_TRUE(ShapeOf(kClasses + L"." + Ext(stem)));  // the extension keeps its type
  }
  bool present = false;
  EXPECT_EQ(StoredExtensions(&present), L"");
  EXPECT_TRUE(present);
}

TEST_F(OptionDialogTest, RemoveAllTakesEveryListedEntry) {
  for (const wchar_t* stem : {L"zza", L"zzb"})
    ASSERT_EQ(AddExtensionMenu(Ext(stem), paths_.programPath), AddExtensionResult::Added);
  SaveExtensionList(paths_.settingsFilePath, {ExtUpper(L"zza"), ExtUpper(L"zzb")});
  ScriptedMessageBoxes boxes({IDNO, IDYES});
  Run([&](HWND d) {
    Click(GetDlgItem(d, IDC_BTN_ALLDEL));  // No
    EXPECT_EQ(ListEntries(GetDlgItem(d, IDC_LST_EXT)).size(), 2u);
    Click(GetDlgItem(d, IDC_BTN_ALLDEL));
    EXPECT_TRUE(ListEntries(GetDlgItem(d, IDC_LST_EXT)).empty());
    EXPECT_FALSE(IsEnabled(GetDlgItem(d, IDC_BTN_ALLDEL)));
    Click(GetDlgItem(d, IDOK));
  });
  EXPECT_EQ(boxes.Asks()[0].text, L"全ての登録済み拡張子のファイルの右クリックメニューから\r\n「ペルモラ」を削除しますか？");
  EXPECT_FALSE(IsExtensionRegistered(Ext(L"zza")));
  EXPECT_FALSE(IsExtensionRegistered(Ext(L"zzb")));
  EXPECT_EQ(StoredExtensions(), L"");
}

// Opened from the main window: nothing can be dropped meanwhile, the arrow follows OK at once,
// and the settings reach the file when the main window closes.
TEST(OptionDialogFromTheMainWindow, OkChangesTheWindowAndTheFileCancelNothing) {
  const std::wstring settingsFile = test::SettingsFile();
  DeleteFileW(settingsFile.c_str());
  {
    test::MainWindowSession s(L"\"" + GetSystemFolder() + L"shell32.dll\"");
    const std::vector<COLORREF> withArrow = s.PreviewPicture();
    for (const int button : {IDCANCEL, IDOK}) {
      test::WithModalWindow(
          L"オプション", [&] { Click(s.Control(IDC_BTN_OPTION)); },
          [&](HWND dialog) {
            IDataObject* drop = test::MakeTextDrop(L"http://example.com/");
            EXPECT_EQ(test::DropOn(s.DropTarget(), drop), static_cast<DWORD>(DROPEFFECT_NONE));
            drop->Release();
            Click(GetDlgItem(dialog, IDC_CHK_ARROWICON));
            Click(GetDlgItem(dialog, button));
          });
      EXPECT_EQ(s.PreviewPicture() == withArrow, button == IDCANCEL) << "the arrow follows OK at once";
    }
    wchar_t stored[16] = {};
    GetPrivateProfileStringW(L"GENERAL", L"ArrowIcon", L"", stored, 16, settingsFile.c_str());
    EXPECT_EQ(std::wstring(stored), L"");  // not before the window closes
  }
  wchar_t stored[16] = {};
  GetPrivateProfileStringW(L"GENERAL", L"ArrowIcon", L"", stored, 16, settingsFile.c_str());
  EXPECT_EQ(std::wstring(stored), L"1");
  DeleteFileW(settingsFile.c_str());
}

}  // namespace
}  // namespace pelmora
