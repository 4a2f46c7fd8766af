#include "app/batch_list_dialog.h"

#include <algorithm>

#include "resource.h"

namespace pelmora {

bool ShowBatchList(HWND owner, const std::vector<std::wstring>& items) {
  BatchListDialog dialog(items);
  return dialog.Run(owner);
}

bool BatchListDialog::Run(HWND owner) { return RunModal(owner, IDD_BATCH_LIST) == IDC_BTN_BATCH_LEAVE; }

INT_PTR BatchListDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_COMMAND) return FALSE;
  const int id = LOWORD(wParam);
  if (id == IDC_BTN_BATCH_LEAVE || id == IDCANCEL || id == IDOK) EndDialog(hwnd_, id);
  return TRUE;
}

void BatchListDialog::Form_Load() {
  SetText(IDC_LBL_BATCH_NOTE,
          std::to_wstring(items_.size()) +
              L" 件のショートカットを一度に作成します。最初の項目は画面の内容で作成し、画面で編集した欄はこの項目に"
              L"だけ使われます。2 件目からは、名前・作業フォルダ・コメント・アイコンをそれぞれのファイルから付けます。");
  HWND list = Control(IDC_LST_BATCH);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  for (const std::wstring& item : items_) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  FitScrollWidth();
}

void BatchListDialog::FitScrollWidth() {
  HWND list = Control(IDC_LST_BATCH);
  HDC dc = GetDC(list);
  if (!dc) return;
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
  LONG widest = 0;
  for (const std::wstring& item : items_) {
    SIZE size{};
    if (GetTextExtentPoint32W(dc, item.c_str(), static_cast<int>(item.size()), &size)) widest = std::max(widest, size.cx);
  }
  SelectObject(dc, old);
  ReleaseDC(list, dc);
  SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
}

}  // namespace pelmora
