// The special popup menu under the main window's 特殊 button, with a test choosing the entry,
// answering the question and picking the folder where a person would.
#include "app/preset_menu.h"

#include <gtest/gtest.h>

#include <set>

#include "resource.h"
#include "win/pickers.h"
#include "win/popup_menu.h"
#include "win/system.h"
#include "naming/volume_label.h"
#include "text/text_rules.h"
#include "support/lnk_reader.h"
#include "support/win/gui_driver.h"
#include "support/win/main_window_fixture.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::ScriptedMessageBoxes;

PresetSystem ThisSystem() { return {GetWindowsFolder(), GetSystemFolder()}; }

// Picks `command` from the menu (0 dismisses it) and records where the menu appeared and which
// of its commands were disabled.
class MenuChoice {
 public:
  explicit MenuChoice(UINT command) {
    SetPopupMenuResponder([this, command](HMENU menu, POINT at) {
      shown = true;
      point = at;
      for (UINT id = IDM_EXPLORER; id <= IDM_SPECIAL_CANCEL; ++id) {
        const UINT state = GetMenuState(menu, id, MF_BYCOMMAND);
        if (state != static_cast<UINT>(-1) && (state & MF_GRAYED)) disabled.insert(id);
      }
      return command;
    });
  }
  ~MenuChoice() { SetPopupMenuResponder({}); }
  bool shown = false;
  POINT point{};
  std::set<UINT> disabled;
};

class FolderChoice {
 public:
  explicit FolderChoice(std::wstring folder) {
    SetFolderPickerResponder([this, folder](const FolderPickerRequest& r) {
      asked.push_back(r);
      return folder;
    });
  }
  ~FolderChoice() { SetFolderPickerResponder({}); }
  std::vector<FolderPickerRequest> asked;
};

class SpecialMenuTest : public testing::Test {
 protected:
  std::optional<PresetFields> Show(int windowsVersionCheck = 1) {
    return ShowSpecialMenu(session_.Handle(), session_.Control(IDC_BTN_SPECIAL), ThisSystem(), windowsVersionCheck);
  }
  test::MainWindowSession session_;
};

TEST_F(SpecialMenuTest, PopsUpBelowTheButtonOfferingWhatTheSystemAllows) {
  const std::set<UINT> ntRestricted = {IDM_CONTROL_PANEL + 3, IDM_CONTROL_PANEL + 4, IDM_SHUTDOWN + 0,
                                       IDM_SHUTDOWN + 1,      IDM_SHUTDOWN + 2,      IDM_SHUTDOWN + 3};
  struct Row {
    int check;
    std::set<UINT> disabled;
  } rows[] = {{1, ntRestricted}, {0, {}}};
  for (const auto& row : rows) {
    MenuChoice choice(0);
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(Show(row.check));
    ASSERT_TRUE(choice.shown);
    RECT r{};
    GetWindowRect(session_.Control(IDC_BTN_SPECIAL), &r);
    EXPECT_EQ(choice.point.x, r.left);
    EXPECT_EQ(choice.point.y, r.bottom);
    EXPECT_EQ(choice.disabled, row.disabled) << "WindowsVersionCheck=" << row.check;
    EXPECT_TRUE(boxes.Asks().empty());
  }
}

TEST_F(SpecialMenuTest, DisabledEntriesAndCancelChooseNothing) {
  for (UINT command : {UINT{IDM_SHUTDOWN}, UINT{IDM_CONTROL_PANEL + 4}, UINT{IDM_SPECIAL_CANCEL}}) {
    MenuChoice choice(command);
    ScriptedMessageBoxes boxes({IDYES});
    EXPECT_FALSE(Show(1)) << command;
    EXPECT_TRUE(boxes.Asks().empty()) << command;
  }
}

TEST_F(SpecialMenuTest, AskedFirstNoChangesNothingYesGivesThePresetsFields) {
  using F = PresetFamily;
  struct Row {
    UINT command;
    PresetId preset;
  } rows[] = {
      {IDM_CONTROL_PANEL + 9, {F::ControlPanel, 9}},
      {IDM_SHUTDOWN + 3, {F::Shutdown, 3}},
  };
  for (const auto& row : rows) {
    MenuChoice choice(row.command);
    ScriptedMessageBoxes boxes({IDNO, IDYES});
    EXPECT_FALSE(Show(0)) << row.command;
    const std::optional<PresetFields> fields = Show(0);
    ASSERT_TRUE(fields) << row.command;
    EXPECT_EQ(*fields, FieldsOfPreset(row.preset, ThisSystem()));
    ASSERT_EQ(boxes.Asks().size(), 2u);
    EXPECT_EQ(boxes.Asks()[0].text, PresetQuestion(row.preset));
    EXPECT_EQ(boxes.Asks()[0].style, 36u);
    EXPECT_EQ(boxes.Asks()[0].title, L"ペルモラ");
  }
}

TEST_F(SpecialMenuTest, ExplorerPresetsAskForTheFolderAfterTheQuestion) {
  test::TempFolder dir(L"エクスプローラ");
  struct Row {
    UINT command;
    std::wstring folder;
    std::wstring arguments;
    std::wstring name;
  } rows[] = {
      {IDM_EXPLORER + 0, dir.Path(), L"/e," + dir.Path(), dir.Path().substr(dir.Path().rfind(L'\\') + 1)},
      {IDM_EXPLORER + 1, L"C:\\", L"/e,/root,C:\\", VolumeLabelOf(L"C:\\")},
  };
  for (const auto& row : rows) {
    MenuChoice choice(row.command);
    FolderChoice folder(row.folder);
    ScriptedMessageBoxes boxes({IDNO, IDYES});
    EXPECT_FALSE(Show());
    EXPECT_TRUE(folder.asked.empty());  // No: no folder is asked for
    const std::optional<PresetFields> fields = Show();
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->arguments, row.arguments);
    EXPECT_EQ(fields->name, row.name);
    EXPECT_EQ(fields->comment, row.folder);
    EXPECT_EQ(fields->target, GetWindowsFolder() + L"explorer.exe");
    ASSERT_EQ(folder.asked.size(), 1u);
    EXPECT_EQ(folder.asked[0].title, ExplorerPickerPrompt(static_cast<int>(row.command - IDM_EXPLORER)));
    EXPECT_EQ(folder.asked[0].rootCsidl, 0);
    EXPECT_EQ(folder.asked[0].flags, 65u);
    EXPECT_EQ(folder.asked[0].initialSelection, L"");
  }
  MenuChoice choice(IDM_EXPLORER);
  FolderChoice cancelled(L"");
  ScriptedMessageBoxes boxes({IDYES});
  EXPECT_FALSE(Show());
  EXPECT_EQ(cancelled.asked.size(), 1u);
}

// From the button through the window's fields to the shortcut written.
TEST_F(SpecialMenuTest, APresetChosenFromTheButtonIsCreatedWithItsArgumentsAndIcon) {
  WritePrivateProfileStringW(L"Debug", L"WindowsVersionCheck", L"0",
                             test::SettingsFile().c_str());
  test::MainWindowSession s;  // reads the version check when it loads
  test::TempFolder dir;
  const std::wstring name = L"再起動" + std::to_wstring(GetCurrentProcessId());
  {
    MenuChoice choice(IDM_SHUTDOWN + 1);  // restart
    ScriptedMessageBoxes boxes({IDYES});
    s.SetBox(IDC_CHK_WHERE + 2, true);  // Startup, which the preset clears
    test::Click(s.Control(IDC_BTN_SPECIAL));
    ASSERT_EQ(boxes.Asks().size(), 1u);
  }
  EXPECT_FALSE(test::IsChecked(s.Control(IDC_CHK_WHERE + 2)));
  EXPECT_EQ(test::TextOf(s.Control(IDC_TXT_OPTION)), L"SHELL32.DLL,SHExitWindowsEx 2");
  EXPECT_EQ(GetFocus(), s.Control(IDC_TXT_SHORTCUTNAME));
  test::Type(s.Control(IDC_TXT_SHORTCUTNAME), name);
  s.SetBox(IDC_CHK_WHERE + 5, true);
  test::Type(s.Control(IDC_CMB_FREEPATH), dir.Path());
  ScriptedMessageBoxes boxes;
  test::Click(s.Control(IDC_BTN_CREATE));
  const auto link = test::ReadLnkFile(test::ReadFileBytes(dir / (name + L".lnk")));
  ASSERT_TRUE(link);
  EXPECT_TRUE(EqualsNoCase(link->TargetPath(), GetSystemFolder() + L"RUNDLL32.EXE"));
  EXPECT_EQ(link->arguments.value_or(L""), L"SHELL32.DLL,SHExitWindowsEx 2");
  EXPECT_EQ(link->name.value_or(L""), L"Windowsを再起動します。");
  EXPECT_TRUE(EqualsNoCase(link->iconLocation.value_or(L""), GetSystemFolder() + L"SHELL32.DLL"));
  EXPECT_EQ(link->iconIndex, 27);
  DeleteFileW(test::SettingsFile().c_str());
}

}  // namespace
}  // namespace pelmora
