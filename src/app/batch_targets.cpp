#include "app/batch_targets.h"

#include "app/batch_list_dialog.h"
#include "resource.h"
#include "win/system.h"

namespace pelmora {
namespace {

std::wstring WaitingText(std::size_t count) { return L"ほか " + std::to_wstring(count) + L" 件"; }

int Brightness(COLORREF c) { return (GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114) / 1000; }

// The theme's link colour, unless it would hardly show on the button face (a theme may set it
// close to the face's): then the button's text colour, the underline still marking the link.
COLORREF LinkColour() {
  const COLORREF link = GetSysColor(COLOR_HOTLIGHT);
  const int contrast = Brightness(link) - Brightness(GetSysColor(COLOR_BTNFACE));
  return contrast > -64 && contrast < 64 ? GetSysColor(COLOR_BTNTEXT) : link;
}

}  // namespace

void BatchTargets::Attach(HWND window, ToolTips& tips) {
  hwnd_ = window;
  tips_ = &tips;
  createCaption_ = WindowText(GetDlgItem(hwnd_, IDC_BTN_CREATE));
}

HWND BatchTargets::Link() const { return GetDlgItem(hwnd_, IDC_LBL_BATCH); }

void BatchTargets::Begin(std::wstring lead, std::vector<std::wstring> others, bool longNames, std::wstring formTarget) {
  Leave();
  if (others.empty()) return;
  lead_ = std::move(lead);
  others_ = std::move(others);
  longNames_ = longNames;
  formTarget_ = std::move(formTarget);
  // The link's text is its name, for a screen reader too.
  SetWindowTextW(Link(), WaitingText(others_.size()).c_str());
  tips_->Set(Link(), L"ほかに " + std::to_wstring(others_.size()) +
                         L" 件のリンク先が一括作成を待っています。クリックで一覧を表示します。"
                         L"画面で編集した欄は、最初の項目にだけ使われます。");
  ShowWindow(Link(), SW_SHOWNA);
}

void BatchTargets::Leave() {
  if (!Active()) return;
  others_.clear();
  lead_.clear();
  formTarget_.clear();
  // The focus does not stay on a hidden control.
  if (GetFocus() == Link()) SendMessageW(hwnd_, WM_NEXTDLGCTL, 0, FALSE);
  ShowWindow(Link(), SW_HIDE);
  tips_->Set(Link(), L"");
}

void BatchTargets::TargetChanged(const std::wstring& formTarget) {
  if (Active() && formTarget != formTarget_) Leave();
}

void BatchTargets::ShowList() {
  std::vector<std::wstring> items{lead_};
  items.insert(items.end(), others_.begin(), others_.end());
  if (ShowBatchList(hwnd_, items)) Leave();
}

void BatchTargets::ShowProgress() {
  HWND create = GetDlgItem(hwnd_, IDC_BTN_CREATE);
  const std::wstring text = L"中止 (" + std::to_wstring(run_.Done()) + L"/" + std::to_wstring(run_.Total()) + L")";
  if (WindowText(create) == text) return;
  SetWindowTextW(create, text.c_str());
  // Painted now: the next step would come before a paint in the queue.
  UpdateWindow(create);
}

void BatchTargets::ShowIdle() { SetWindowTextW(GetDlgItem(hwnd_, IDC_BTN_CREATE), createCaption_.c_str()); }

bool BatchTargets::Draw(const DRAWITEMSTRUCT& item) {
  if (item.CtlID != IDC_LBL_BATCH) return false;
  if (!linkFont_) {
    // The window's font, underlined, as a link looks.
    LOGFONTW font{};
    if (GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)), sizeof(font), &font)) {
      font.lfUnderline = TRUE;
      linkFont_.reset(CreateFontIndirectW(&font));
    }
  }
  RECT area = item.rcItem;
  FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
  const std::wstring text = WindowText(item.hwndItem);
  HGDIOBJ old = linkFont_ ? SelectObject(item.hDC, linkFont_.get()) : nullptr;
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, LinkColour());
  RECT drawn = area;
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &drawn, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_CALCRECT);
  drawn.bottom = area.bottom;
  drawn.top = area.top;
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &drawn, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (old) SelectObject(item.hDC, old);
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(item.hDC, &drawn);
  return true;
}

bool BatchTargets::SetCursorOver(HWND control) const {
  if (!Active() || control != Link()) return false;
  SetCursor(LoadCursorW(nullptr, IDC_HAND));
  return true;
}

}  // namespace pelmora
