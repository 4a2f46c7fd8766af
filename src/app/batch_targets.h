// The main window's batch: the targets handed over beside the one the form shows (Send To with
// several files, a drop of several, a multiple choice in the file picker), the link beside the
// target's label that says how many wait and opens their list, the 作成 button's caption while
// they are created, and the run that creates them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "app/batch_run.h"
#include "win/handles.h"
#include "win/tool_tips.h"

namespace pelmora {

class BatchTargets {
 public:
  BatchTargets() = default;
  BatchTargets(const BatchTargets&) = delete;
  BatchTargets& operator=(const BatchTargets&) = delete;

  void Attach(HWND window, ToolTips& tips);
  // Items wait beside the form's.
  bool Active() const { return !others_.empty(); }
  // The form shows `lead` (as handed over; the form's target is `formTarget`, a link's target
  // say); `others` wait. Items handed over on the command line take their long form
  // (`longNames`).
  void Begin(std::wstring lead, std::vector<std::wstring> others, bool longNames, std::wstring formTarget);
  // Only the form's target stays.
  void Leave();
  // The form's target changed: any other target than the batch's first leaves batch mode.
  void TargetChanged(const std::wstring& formTarget);
  // Opens the list of every item over the window; the person may leave batch mode there.
  void ShowList();

  const std::wstring& Lead() const { return lead_; }
  const std::vector<std::wstring>& Others() const { return others_; }
  bool LongNames() const { return longNames_; }
  BatchRun& Run() { return run_; }
  const BatchRun& Run() const { return run_; }

  // While the run goes, 作成 says how far it is and stops it; then it is 作成 again.
  void ShowProgress();
  void ShowIdle();
  // Paints the link (WM_DRAWITEM); false when the item is not it.
  bool Draw(const DRAWITEMSTRUCT& item);
  // The hand over the link (WM_SETCURSOR from `control`); false when the pointer is elsewhere.
  bool SetCursorOver(HWND control) const;

 private:
  HWND Link() const;

  HWND hwnd_ = nullptr;
  ToolTips* tips_ = nullptr;
  std::wstring lead_;
  std::wstring formTarget_;
  std::vector<std::wstring> others_;
  bool longNames_ = false;
  std::wstring createCaption_;
  win::FontHandle linkFont_;
  BatchRun run_;
};

}  // namespace pelmora
