#include "app/overwrite_question.h"

#include "resource.h"

namespace pelmora {
namespace {

OverwriteResponder g_responder;

struct ButtonAnswer {
  int id;
  OverwriteAnswer answer;
};
constexpr ButtonAnswer kButtons[] = {{IDC_BTN_OVERWRITE, OverwriteAnswer::Overwrite},
                                     {IDC_BTN_OVERWRITE_ALL, OverwriteAnswer::OverwriteAll},
                                     {IDC_BTN_SKIP, OverwriteAnswer::Skip},
                                     {IDC_BTN_SKIP_ALL, OverwriteAnswer::SkipAll},
                                     {IDCANCEL, OverwriteAnswer::Cancel}};

}  // namespace

std::wstring BatchOverwriteText(DestinationKind kind, const std::wstring& path) {
  return QuotedDestinationName(kind) + L"には同名のショートカットが既に存在します。\r\n\r\n" + path +
         L"\r\n\r\n上書きしますか？";
}

void SetOverwriteResponder(OverwriteResponder responder) { g_responder = std::move(responder); }

OverwriteAnswer AskOverwrite(HWND owner, DestinationKind kind, const std::wstring& path) {
  const std::wstring text = BatchOverwriteText(kind, path);
  if (g_responder) return g_responder(owner, text);
  OverwriteDialog dialog(text);
  return dialog.Run(owner);
}

OverwriteAnswer OverwriteDialog::Run(HWND owner) {
  const INT_PTR pressed = RunModal(owner, IDD_OVERWRITE);
  for (const ButtonAnswer& button : kButtons)
    if (button.id == pressed) return button.answer;
  return OverwriteAnswer::Cancel;  // the dialog could not even be shown
}

INT_PTR OverwriteDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
  for (const ButtonAnswer& button : kButtons) {
    if (button.id != LOWORD(wParam)) continue;
    EndDialog(hwnd_, button.id);
    return TRUE;
  }
  return FALSE;
}

bool OverwriteDialog::Form_Load() {
  SendDlgItemMessageW(hwnd_, IDC_IMG_OVERWRITE, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_QUESTION)), 0);
  SetText(IDC_LBL_OVERWRITE, text_);
  // As the single question's default is No, a stray Enter skips.
  SetFocus(Control(IDC_BTN_SKIP));
  return false;
}

}  // namespace pelmora
