#include "app/presets.h"

#include "naming/path_names.h"

namespace pelmora {

namespace {

// A preset that starts one program with fixed arguments: a Control Panel applet through
// CONTROL.EXE (`file` is the applet, whose icons the shortcut takes), or a shutdown command
// through a launcher (`file` is the launcher).
struct FixedPreset {
  const wchar_t* name;
  const wchar_t* file;
  const wchar_t* arguments;
  int iconIndex;
  const wchar_t* comment;
};

constexpr FixedPreset kControlPanel[kControlPanelPresetCount] = {
    {L"アプリケーションの追加と削除", L"appwiz.cpl", L"appwiz.cpl", 0,
     L"アプリケーションや Windows コンポーネントをインストールおよび削除します。"},
    {L"インターネットオプション", L"inetcpl.cpl", L"inetcpl.cpl", 27, L"インターネットの表示画面や接続情報を設定します。"},
    {L"サウンド", L"mmsys.cpl", L"mmsys.cpl @1", 0, L"イベントにサウンドを割り当ててサウンド デバイスを構成します。"},
    {L"システム(デバイスマネージャ)", L"sysdm.cpl", L"sysdm.cpl,,1", 0,
     L"コンピュータにインストールされているすべてのハードウェア デバイスを表示し、各デバイスのプロパティを変更します。"},
    {L"ネットワーク", L"netcpl.cpl", L"netcpl.cpl", 0, L"ネットワークのハードウェアとソフトウェアを設定します。"},
    {L"画面(背景)", L"desk.cpl", L"desk.cpl", 1, L"デスクトップに表示する壁紙をカスタマイズします。"},
    {L"画面(スクリーンセーバー)", L"desk.cpl", L"desk.cpl,,1", 1, L"スクリーン セーバーをカスタマイズします。"},
    {L"画面(デザイン)", L"desk.cpl", L"desk.cpl,,2", 1, L"デスクトップおよび画面の配色をカスタマイズします。"},
    {L"画面(設定)", L"desk.cpl", L"desk.cpl,,3", 1, L"画面の色数および解像度をカスタマイズします。"},
    {L"日付と時刻", L"timedate.cpl", L"timedate.cpl", 0, L"日付、時刻とタイム ゾーンを設定します。"},
};

constexpr FixedPreset kShutdown[kShutdownPresetCount] = {
    {L"シャットダウン", L"RUNDLL32.EXE", L"SHELL32.DLL,SHExitWindowsEx 1", 27, L"Windowsをシャットダウンします。"},
    {L"再起動", L"RUNDLL32.EXE", L"SHELL32.DLL,SHExitWindowsEx 2", 27, L"Windowsを再起動します。"},
    // Fast restart alone runs through the 16-bit launcher.
    {L"高速再起動", L"RUNDLL.EXE", L"USER.EXE,ExitWindowsExec", 27, L"Windowsを高速再起動します。"},
    {L"ログオフ", L"RUNDLL32.EXE", L"SHELL32.DLL,SHExitWindowsEx 0", 44, L"Windowsからログオフします。"},
};

struct ExplorerPreset {
  const wchar_t* questionPrefix;
  const wchar_t* promptMiddle;
  const wchar_t* argumentsBeforeFolder;
};

constexpr ExplorerPreset kExplorer[kExplorerPresetCount] = {
    {L"フォルダを指定した", L"", L"/e,"},
    {L"ルートを指定した", L"ルート", L"/e,/root,"},
};

constexpr wchar_t kCrLf[] = L"\r\n";
constexpr wchar_t kQuestionTail[] = L"用のショートカット情報を設定しますか？";
constexpr wchar_t kChooseThenCreate[] = L"作成場所を選択後、[作成] ボタンをクリックしてください。";

int Clamp(int index, int count) { return index < 0 ? 0 : (index >= count ? count - 1 : index); }

}  // namespace

bool PresetAvailable(PresetId preset, bool windowsVersionCheck) {
  if (!windowsVersionCheck) return true;
  switch (preset.family) {
    case PresetFamily::Shutdown: return false;
    case PresetFamily::ControlPanel: return preset.index != 3 && preset.index != 4;
    case PresetFamily::Explorer: return true;
  }
  return true;
}

std::wstring PresetQuestion(PresetId preset) {
  switch (preset.family) {
    case PresetFamily::ControlPanel:
      return kControlPanel[Clamp(preset.index, kControlPanelPresetCount)].name + std::wstring(kQuestionTail) + kCrLf +
             kCrLf + kChooseThenCreate;
    case PresetFamily::Shutdown:
      return kShutdown[Clamp(preset.index, kShutdownPresetCount)].name + std::wstring(kQuestionTail) + kCrLf + kCrLf +
             L"スタートアップ以外の" + kChooseThenCreate;
    case PresetFamily::Explorer:
      return kExplorer[Clamp(preset.index, kExplorerPresetCount)].questionPrefix +
             std::wstring(L"エクスプローラのショートカット情報を設定しますか？") + kCrLf + kCrLf +
             L"次の画面でフォルダを選択したらメイン画面に戻ります。" + kCrLf + kChooseThenCreate;
  }
  return {};
}

std::wstring ExplorerPickerPrompt(int index) {
  return std::wstring(L"エクスプローラで開く") + kExplorer[Clamp(index, kExplorerPresetCount)].promptMiddle +
         L"フォルダを選択してください。";
}

PresetFields FieldsOfPreset(PresetId preset, const PresetSystem& system, std::wstring_view chosenFolder,
                            std::wstring_view volumeLabel) {
  PresetFields f;
  switch (preset.family) {
    case PresetFamily::ControlPanel:
    case PresetFamily::Shutdown: {
      const bool applet = preset.family == PresetFamily::ControlPanel;
      const FixedPreset& p = applet ? kControlPanel[Clamp(preset.index, kControlPanelPresetCount)]
                                    : kShutdown[Clamp(preset.index, kShutdownPresetCount)];
      f.target = system.systemFolder + (applet ? L"CONTROL.EXE" : p.file);
      f.arguments = p.arguments;
      f.name = p.name;
      f.comment = p.comment;
      f.iconFile = system.systemFolder + (applet ? p.file : L"SHELL32.DLL");
      f.iconIndex = p.iconIndex;
      f.clearStartup = !applet;  // a shutdown shortcut must not run at start-up
      break;
    }
    case PresetFamily::Explorer: {
      const ExplorerPreset& p = kExplorer[Clamp(preset.index, kExplorerPresetCount)];
      f.target = system.windowsFolder + L"explorer.exe";
      f.arguments = p.argumentsBeforeFolder + std::wstring(chosenFolder);
      f.name = IsDriveRoot(chosenFolder) ? std::wstring(volumeLabel) : FileNameOf(chosenFolder);
      f.comment = chosenFolder;
      f.iconFile = f.target;
      f.iconIndex = 1;
      break;
    }
  }
  return f;
}

}  // namespace pelmora
