// How the main window takes several targets at once and creates their shortcuts: the form shows
// the first, the others wait beside it, and 作成 makes them all, a step at a time.
#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "app/overwrite_question.h"
#include "naming/long_path.h"
#include "url/classify_target.h"
#include "win/field_focus.h"
#include "win/message_box.h"

namespace pelmora {

bool MainWindow::TakeBatch(std::vector<std::wstring> items, bool fromCommandLine) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    const TargetKind kind = ClassifyTarget(items[i]);
    if (!IsFileSystemTarget(kind)) continue;  // it waits, and the summary names it
    const std::wstring path = fromCommandLine ? ExpandLongPathName(items[i]) : items[i];
    if (path.empty()) continue;
    if (!AdoptFile(path, kind)) return false;
    std::wstring lead = std::move(items[i]);
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(i));
    batch_.Begin(std::move(lead), std::move(items), fromCommandLine, form_.Target());
    return true;
  }
  return false;
}

bool MainWindow::TakeStartupBatch(std::vector<std::wstring> items) {
  TakeBatch(std::move(items), true);
  // The first item's name is ready to be typed over, as a single target's.
  SetFocus(Control(IDC_TXT_SHORTCUTNAME));
  SendDlgItemMessageW(hwnd_, IDC_TXT_SHORTCUTNAME, EM_SETSEL, 0, -1);
  return true;
}

void MainWindow::lblBatch_Click() { batch_.ShowList(); }

void MainWindow::CreateBatch() {
  BatchStart start;
  start.request = RequestOfWindow();
  start.lead = batch_.Lead();
  start.others = batch_.Others();
  start.longNames = batch_.LongNames();
  start.settings = settings_;
  HWND owner = hwnd_;
  batch_.Run().Begin(std::move(start), [owner](DestinationKind kind, const std::wstring& path) {
    return AskOverwrite(owner, kind, path);
  });
  // One command until the last item: no other command, no drops; a close stops the batch.
  BeginCommand();
  batch_.ShowProgress();
  ScheduleBatchStep();
}

void MainWindow::ScheduleBatchStep() {
  // A posted message comes before input and painting: while either waits, the next item waits
  // for a timer, which comes after both.
  if (HIWORD(GetQueueStatus(QS_INPUT | QS_PAINT)) != 0)
    SetTimer(hwnd_, kBatchStepTimer, USER_TIMER_MINIMUM, nullptr);
  else
    PostMessageW(hwnd_, kBatchStepMessage, 0, 0);
}

void MainWindow::BatchStep() {
  BatchRun& run = batch_.Run();
  if (!run.Running()) return;
  if (run.Next()) {
    batch_.ShowProgress();
    ScheduleBatchStep();
    return;
  }
  EndBatch();
}

void MainWindow::EndBatch() {
  const BatchEnd end = batch_.Run().End();
  batch_.ShowIdle();
  for (RecentList list : end.usedSubFolders) destinations_.Remember(list);
  if (!end.message.empty()) MessageBox(hwnd_, end.message, end.style);
  if (end.focus) FocusField(Control(FieldControl(*end.focus)));
  EndCommand();
  UpdateCreateButton();
  if (end.finished && exitAfterCreate_) Form_Unload();
}

}  // namespace pelmora
