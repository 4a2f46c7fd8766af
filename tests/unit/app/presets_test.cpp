// What each special preset fills in, and which presets the system offers.
#include <gtest/gtest.h>

#include "app/presets.h"

namespace pelmora {
namespace {

const PresetSystem kSystem{L"C:\\Windows\\", L"C:\\Windows\\system32\\"};

TEST(SpecialPresets, EachFamilyFillsItsFields) {
  using F = PresetFamily;
  struct Row {
    PresetId preset;
    PresetFields fields;
  } rows[] = {
      {{F::ControlPanel, 0},
       {L"C:\\Windows\\system32\\CONTROL.EXE", L"appwiz.cpl", L"アプリケーションの追加と削除",
        L"アプリケーションや Windows コンポーネントをインストールおよび削除します。",
        L"C:\\Windows\\system32\\appwiz.cpl", 0, false}},
      {{F::ControlPanel, 2},
       {L"C:\\Windows\\system32\\CONTROL.EXE", L"mmsys.cpl @1", L"サウンド",
        L"イベントにサウンドを割り当ててサウンド デバイスを構成します。", L"C:\\Windows\\system32\\mmsys.cpl", 0,
        false}},
      {{F::ControlPanel, 3},
       {L"C:\\Windows\\system32\\CONTROL.EXE", L"sysdm.cpl,,1", L"システム(デバイスマネージャ)",
        L"コンピュータにインストールされているすべてのハードウェア デバイスを表示し、各デバイスのプロパティを変更します。",
        L"C:\\Windows\\system32\\sysdm.cpl", 0, false}},
      {{F::Shutdown, 0},
       {L"C:\\Windows\\system32\\RUNDLL32.EXE", L"SHELL32.DLL,SHExitWindowsEx 1", L"シャットダウン",
        L"Windowsをシャットダウンします。", L"C:\\Windows\\system32\\SHELL32.DLL", 27, true}},
      // Fast restart alone goes through the 16-bit launcher.
      {{F::Shutdown, 2},
       {L"C:\\Windows\\system32\\RUNDLL.EXE", L"USER.EXE,ExitWindowsExec", L"高速再起動", L"Windowsを高速再起動します。",
        L"C:\\Windows\\system32\\SHELL32.DLL", 27, true}},
      {{F::Shutdown, 3},
       {L"C:\\Windows\\system32\\RUNDLL32.EXE", L"SHELL32.DLL,SHExitWindowsEx 0", L"ログオフ",
        L"Windowsからログオフします。", L"C:\\Windows\\system32\\SHELL32.DLL", 44, true}},
  };
  for (const auto& row : rows) {
    const PresetFields got = FieldsOfPreset(row.preset, kSystem);
    EXPECT_EQ(got, row.fields) << "family " << static_cast<int>(row.preset.family) << " index " << row.preset.index
                               << ": " << testing::PrintToString(got.target)
                               << " " << testing::PrintToString(got.arguments) << " " << got.iconIndex;
  }
}

TEST(SpecialPresets, ExplorerOpensTheChosenFolderNamedAfterItOrItsDrive) {
  using F = PresetFamily;
  struct Row {
    int index;
    const wchar_t* folder;
    const wchar_t* label;
    const wchar_t* arguments;
    const wchar_t* name;
  } rows[] = {
      {0, L"C:\\Users\\太郎\\文書", L"SYSTEM", L"/e,C:\\Users\\太郎\\文書", L"文書"},
      {1, L"D:\\", L"データ", L"/e,/root,D:\\", L"データ"},
      {1, L"D:\\", L"", L"/e,/root,D:\\", L""},
      {0, L"\\\\server\\share", L"", L"/e,\\\\server\\share", L"share"},
  };
  for (const auto& row : rows) {
    const PresetFields got = FieldsOfPreset({F::Explorer, row.index}, kSystem, row.folder, row.label);
    EXPECT_EQ(got.arguments, row.arguments);
    EXPECT_EQ(got.name, row.name);
    EXPECT_EQ(got.comment, row.folder);
    EXPECT_EQ(got.target, L"C:\\Windows\\explorer.exe");
    EXPECT_EQ(got.iconFile, L"C:\\Windows\\explorer.exe");
    EXPECT_EQ(got.iconIndex, 1);
    EXPECT_FALSE(got.clearStartup);
  }
  EXPECT_NE(ExplorerPickerPrompt(0), ExplorerPickerPrompt(1));
}

TEST(SpecialPresets, VersionCheckHidesShutdownAndTwoApplets) {
  auto available = [](int check) {
    std::wstring pattern;  // E explorer, C applets, S shutdown; "-" where unavailable
    for (int i = 0; i < kExplorerPresetCount; ++i)
      pattern += PresetAvailable({PresetFamily::Explorer, i}, check) ? L'E' : L'-';
    for (int i = 0; i < kControlPanelPresetCount; ++i)
      pattern += PresetAvailable({PresetFamily::ControlPanel, i}, check) ? L'C' : L'-';
    for (int i = 0; i < kShutdownPresetCount; ++i)
      pattern += PresetAvailable({PresetFamily::Shutdown, i}, check) ? L'S' : L'-';
    return pattern;
  };
  EXPECT_EQ(available(1), L"EECCC--CCCCC----");
  EXPECT_EQ(available(5), L"EECCC--CCCCC----");
  EXPECT_EQ(available(0), L"EECCCCCCCCCCSSSS");
}

}  // namespace
}  // namespace pelmora
