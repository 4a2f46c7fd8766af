#include "app/shortcut_form.h"

#include "naming/path_names.h"
#include "resource.h"
#include "text/text_rules.h"
#include "win/system.h"

namespace pelmora {
namespace {

void SetTextOf(HWND control, const std::wstring& text) { SetWindowTextW(control, text.c_str()); }

}  // namespace

int RunSizeEntryOf(int showCommand) {
  for (int i = 1; i < static_cast<int>(std::size(kRunSizes)); ++i)
    if (kRunSizes[i].showCommand == showCommand) return i;
  return 0;
}

int ShowCommandOfEntry(int entry) {
  return kRunSizes[entry >= 0 && entry < static_cast<int>(std::size(kRunSizes)) ? entry : 0].showCommand;
}

void ShortcutForm::Attach(HWND window, ToolTips& tips) {
  hwnd_ = window;
  tips_ = &tips;
  HWND runSizes = Control(IDC_CMB_SHOWCMD);
  for (const RunSize& size : kRunSizes)
    SendMessageW(runSizes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(size.entry));
  SendMessageW(runSizes, CB_SETCURSEL, 0, 0);
  iconFile_.clear();
  iconIndex_ = 0;
  preview_.Attach(Control(IDC_PIC_ICON), [this](const std::wstring& tip) { tips_->Set(Control(IDC_PIC_ICON), tip); });
}

ShellLinkInfo ShortcutForm::Values() const {
  ShellLinkInfo values;
  values.target = WindowText(Control(IDC_TXT_LNKPATH));
  values.arguments = WindowText(Control(IDC_TXT_OPTION));
  values.workingFolder = WindowText(Control(IDC_TXT_WRKPATH));
  values.showCommand =
      ShowCommandOfEntry(static_cast<int>(SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_GETCURSEL, 0, 0)));
  values.comment = WindowText(Control(IDC_TXT_COMMENT));
  values.iconFile = iconFile_;
  values.iconIndex = iconIndex_;
  return values;
}

void ShortcutForm::Show(const ShellLinkInfo& values) {
  SetTextOf(Control(IDC_TXT_LNKPATH), TrimAtNul(values.target));
  SetTextOf(Control(IDC_TXT_WRKPATH), TrimAtNul(values.workingFolder));
  SetTextOf(Control(IDC_TXT_OPTION), TrimAtNul(values.arguments));
  SetTextOf(Control(IDC_TXT_COMMENT), TrimAtNul(values.comment));
  SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_SETCURSEL, RunSizeEntryOf(values.showCommand), 0);
  iconFile_ = TrimAtNul(values.iconFile);
  iconIndex_ = values.iconIndex;
}

std::wstring ShortcutForm::Target() const { return WindowText(Control(IDC_TXT_LNKPATH)); }
void ShortcutForm::SetTarget(const std::wstring& target) { SetTextOf(Control(IDC_TXT_LNKPATH), target); }
std::wstring ShortcutForm::Name() const { return WindowText(Control(IDC_TXT_SHORTCUTNAME)); }
void ShortcutForm::SetName(const std::wstring& name) { SetTextOf(Control(IDC_TXT_SHORTCUTNAME), name); }

void ShortcutForm::Clear() {
  for (int id : {IDC_TXT_SHORTCUTNAME, IDC_TXT_LNKPATH, IDC_TXT_OPTION, IDC_TXT_WRKPATH, IDC_TXT_COMMENT})
    SetTextOf(Control(id), L"");
  SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_SETCURSEL, 0, 0);
  preview_.Clear();
  iconFile_.clear();
}

void ShortcutForm::ClearLinkOnlyFields() {
  for (int id : {IDC_TXT_WRKPATH, IDC_TXT_OPTION, IDC_TXT_COMMENT}) SetTextOf(Control(id), L"");
  SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_SETCURSEL, 0, 0);
  ClearIconTip();
  iconFile_.clear();
  iconIndex_ = 0;
}

void ShortcutForm::ClearIconTip() { tips_->Set(Control(IDC_PIC_ICON), L""); }

// By value: callers hand over the icon file itself, which is cleared first.
int ShortcutForm::SetIconSource(std::wstring path) {
  iconFile_.clear();
  const int count = preview_.SetIconSource(path);
  if (count > 0) iconFile_ = path;
  return count;
}

bool ShortcutForm::TakeIconFrom(std::wstring file, int index) {
  if (SetIconSource(std::move(file)) < 1) return false;
  iconIndex_ = index;
  preview_.DrawIconFromSource(index);
  return true;
}

void ShortcutForm::ShowIconOf(const std::wstring& path) {
  if (SetIconSource(path) == 0) {
    preview_.DrawAssociatedIcon(path);
  } else {
    iconIndex_ = 0;
    preview_.DrawIconFromSource(0);
  }
}

// The icon a shortcut file names is kept as the file holds it, even where the preview cannot
// show it (an unexpanded %SystemRoot%, a drive not there now, a web address): writing the
// shortcut again must not lose it.
bool ShortcutForm::ShowShortcutFileIcon(std::wstring iconFile, int iconIndex) {
  if (iconFile.empty()) {
    SetIconSource(L"");
    return false;
  }
  if (SetIconSource(ExpandEnvironment(iconFile)) > 0) preview_.DrawIconFromSource(iconIndex);
  iconFile_ = std::move(iconFile);
  iconIndex_ = iconIndex;
  return true;
}

void ShortcutForm::ShowLinkIcon() {
  if (ShowShortcutFileIcon(iconFile_, iconIndex_)) return;
  const std::wstring target = Target();
  if (ChosenFileTypeOf(target) == ChosenFileType::Bitmap) {
    ClearIconTip();
    preview_.DrawBitmapTypeIcon();
  } else if (target.empty()) {
    preview_.Clear();
  } else {
    ShowIconOf(target);
  }
}

void ShortcutForm::ShowBitmapTypeIcon() {
  iconFile_.clear();
  iconIndex_ = 0;
  ClearIconTip();
  preview_.DrawBitmapTypeIcon();
}

}  // namespace pelmora
