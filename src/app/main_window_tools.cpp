// The main window's tool buttons, its help button and its About box.
#include "app/about_box.h"
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "app/open_link_target.h"
#include "text/text_rules.h"
#include "win/clipboard.h"
#include "win/field_focus.h"
#include "win/launch.h"
#include "win/program_info.h"
#include "win/system.h"

namespace pelmora {
namespace {

constexpr int kOpenTargetButton = 7;
constexpr int kCopyButton = 8;
constexpr int kPasteButton = 9;

}  // namespace

bool MainWindow::ToolButtonUsable(int index) const {
  if (index == kOpenTargetButton || index == kCopyButton) return !TrimSpaces(form_.Target()).empty();
  if (index == kPasteButton) return ClipboardHasText();
  return true;
}

void MainWindow::picFlatButton_Click(int index) {
  // The keyboard's Space reaches a button the pointer would leave flat: it does nothing either.
  if (!flatButtons_.Usable(index)) return;
  if (index < kDestinationCount) {
    const std::wstring folder = TrimSpaces(destinations_.FolderToOpen(static_cast<DestinationKind>(index)));
    if (!folder.empty()) LaunchExplorer(ExplorerOpenArguments(folder));
    return;
  }
  switch (index) {
    case kOpenTargetButton: {
      const OpenLinkResult result = OpenLinkTarget(hwnd_, form_.Target());
      if (result.outcome == OpenLinkOutcome::InvalidTarget) FocusField(Control(IDC_TXT_LNKPATH));
      break;
    }
    case kCopyButton:
      SetClipboardText(hwnd_, TrimSpaces(form_.Target()));
      break;
    case kPasteButton:
      // One line, as the field itself pastes.
      if (const std::wstring text = FirstLine(ClipboardText(hwnd_)); !text.empty()) form_.SetTarget(text);
      break;
    default:
      break;
  }
}

void MainWindow::btnHelp_Click() {
  // The focus goes back where it was before the button took it; the mode starts once the
  // button's click is through (the button lets go of the mouse).
  if (HWND previous = FocusBefore(Control(IDC_BTN_HELP)))
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(previous), TRUE);
  PostMessageW(hwnd_, kHelpModeMessage, 0, 0);
}

void MainWindow::btnAbout_Click() { ShowAboutBox(hwnd_, ReadProgramInfo()); }

}  // namespace pelmora
