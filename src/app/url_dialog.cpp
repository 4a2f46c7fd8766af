#include "app/url_dialog.h"

#include "app/url_text_edit.h"
#include "resource.h"
#include "text/text_rules.h"
#include "win/message_box.h"

namespace pelmora {
namespace {

constexpr int kTemplateList = 3;
// Posted after a pick's notifications: the pick is carried out once they are all through.
constexpr UINT kPickMessage = WM_APP + 1;
constexpr HelpTopic kHelpTopics[] = {{IDC_LBL_URL, IDC_TXT_URL}};

}  // namespace

std::optional<std::wstring> ShowUrlDialog(HWND owner, const UrlTable& table, const std::wstring& currentTarget) {
  UrlDialog dialog(table, currentTarget);
  return dialog.Run(owner);
}

std::optional<std::wstring> UrlDialog::Run(HWND owner) {
  RunModal(owner, IDD_URL);
  return result_;
}

HWND UrlDialog::txtURL() const { return Control(IDC_TXT_URL); }
HWND UrlDialog::cmbURL(int index) const { return Control(IDC_CMB_URL + index); }

INT_PTR UrlDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (help_.HandleMessage(message, wParam, lParam)) return TRUE;
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case kPickMessage:
      if (wParam >= pickQueued_.size()) return FALSE;
      pickQueued_[wParam] = false;
      cmbURL_Click(static_cast<int>(wParam));
      return TRUE;
    default:
      return FALSE;
  }
}

void UrlDialog::OnCommand(int id, int code) {
  if (id >= IDC_CMB_URL && id < IDC_CMB_URL + 4) {
    const int index = id - IDC_CMB_URL;
    // A pick arrives as the list's "chosen" notification, or as a change made with the keys in
    // the closed list; a change while the list is open is only browsing. Choosing the item that
    // is already shown counts too, so any piece can be put in as often as wanted.
    const bool chosen = code == CBN_SELENDOK ||
                        (code == CBN_SELCHANGE && !SendMessageW(cmbURL(index), CB_GETDROPPEDSTATE, 0, 0));
    if (chosen && loaded_ && !pickQueued_[index]) {
      pickQueued_[index] = true;
      PostMessageW(hwnd_, kPickMessage, static_cast<WPARAM>(index), 0);
    }
    return;
  }
  switch (id) {
    case IDC_BTN_URL_OK:
    case IDOK:
      btnOK_Click();
      break;
    case IDC_BTN_URL_CAN:
    case IDCANCEL:
      btnCan_Click();
      break;
    case IDC_BTN_URL_CLEAR:
      btnClear_Click();
      break;
    default:
      break;
  }
}

void UrlDialog::Form_Load() {
  help_.Attach(hwnd_, kHelpTopics);
  loaded_ = false;
  for (int index = 0; index < kTemplateList; ++index) {
    HWND list = cmbURL(index);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& entry : table_.lists[index])
      SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    SendMessageW(list, CB_SETCURSEL, 0, 0);
  }
  HWND captions = cmbURL(kTemplateList);
  SendMessageW(captions, CB_RESETCONTENT, 0, 0);
  templates_.clear();
  for (const UrlTemplate& entry : OfferedTemplates(table_.lists[kTemplateList])) {
    SendMessageW(captions, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.caption.c_str()));
    templates_.push_back(entry.pattern);
  }
  // With no template offered the list stays empty and nothing is selected in it.
  SendMessageW(captions, CB_SETCURSEL, 0, 0);
  if (currentTarget_.find(L"://") != std::wstring::npos) SetText(IDC_TXT_URL, currentTarget_);
  loaded_ = true;
}

void UrlDialog::SetUrlText(const std::wstring& text, std::size_t caret) {
  HWND field = txtURL();
  SetWindowTextW(field, text.c_str());
  SetFocus(field);
  // After the focus: a field focused by the dialog manager would select all of its text.
  SendMessageW(field, EM_SETSEL, caret, caret);
}

void UrlDialog::cmbURL_Click(int index) {
  const LRESULT selected = SendMessageW(cmbURL(index), CB_GETCURSEL, 0, 0);
  if (selected < 0) return;
  const auto position = static_cast<std::size_t>(selected);
  const std::wstring text = Text(IDC_TXT_URL);
  if (index == kTemplateList) {
    if (position >= templates_.size()) return;
    const EditedText edited = FillTemplate(templates_[position], text);
    SetUrlText(edited.text, edited.caret);
    return;
  }
  const auto& pieces = table_.lists[static_cast<std::size_t>(index)];
  if (position >= pieces.size()) return;
  DWORD start = 0, end = 0;
  SendMessageW(txtURL(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const EditedText edited = InsertPiece(text, start, end - start, pieces[position]);
  SetUrlText(edited.text, edited.caret);
}

void UrlDialog::btnClear_Click() { SetUrlText(L"", 0); }

void UrlDialog::btnOK_Click() {
  const std::wstring url = TrimSpaces(Text(IDC_TXT_URL));
  if (!url.empty()) result_ = url;
  EndDialog(hwnd_, IDOK);
}

void UrlDialog::btnCan_Click() { EndDialog(hwnd_, IDCANCEL); }

}  // namespace pelmora
