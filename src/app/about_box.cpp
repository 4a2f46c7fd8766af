#include "app/about_box.h"

#include <commctrl.h>

#include "app/version_text.h"
#include "resource.h"
#include "win/launch.h"

namespace pelmora {

void ShowAboutBox(HWND owner, const ProgramInfo& info) {
  AboutBox box(info);
  box.Run(owner);
}

void AboutBox::Run(HWND owner) { RunModal(owner, IDD_ABOUT); }

INT_PTR AboutBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        Command1_Click(LOWORD(wParam));
      } else if (LOWORD(wParam) == IDC_IMG_ABOUT && HIWORD(wParam) == STN_CLICKED) {
        Image1_Click();
      }
      return TRUE;
    case WM_NOTIFY: {
      // The address is a link: a click or Enter on it.
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == IDC_LBL_HP && (header->code == NM_CLICK || header->code == NM_RETURN)) lblHP_Click();
      return TRUE;
    }
    default:
      return FALSE;
  }
}

void AboutBox::Form_Load() {
  // The name stands out: the dialog's font, half as large again and bold.
  LOGFONTW font{};
  if (GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)), sizeof(font), &font)) {
    font.lfHeight = font.lfHeight * 3 / 2;
    font.lfWeight = FW_BOLD;
    nameFont_.reset(CreateFontIndirectW(&font));
    if (nameFont_)
      SendDlgItemMessageW(hwnd_, IDC_LBL_ABOUT_NAME, WM_SETFONT, reinterpret_cast<WPARAM>(nameFont_.get()), FALSE);
  }
  if (!info_.productName.empty()) SetText(IDC_LBL_ABOUT_NAME, info_.productName);
  SetText(IDC_LBL_MYVER, VersionText(info_.major, info_.minor, info_.revision));
  SetText(IDC_LBL_COPYRIGHT, info_.legalCopyright);
  SetText(IDC_LBL_HP, std::wstring(L"<a>") + kHomePageAddress + L"</a>");
}

void AboutBox::lblHP_Click() { OpenInShell(kHomePageAddress); }

}  // namespace pelmora
