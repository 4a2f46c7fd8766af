#include "win/tool_tips.h"

#include <commctrl.h>

namespace pelmora {

ToolTips::~ToolTips() {
  if (tips_ && IsWindow(tips_)) DestroyWindow(tips_);
}

void ToolTips::Create(HWND owner) {
  Attach(owner);
  Create();
}

void ToolTips::Create() {
  if (tips_ || !owner_) return;
  tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  if (!tips_) return;
  SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, 600);
  for (const auto& [control, text] : waiting_) Apply(control, text);
  waiting_.clear();
}

void ToolTips::Set(HWND control, const std::wstring& text) {
  if (!control) return;
  if (!tips_) {
    waiting_[control] = text;
    return;
  }
  Apply(control, text);
}

void ToolTips::Apply(HWND control, const std::wstring& text) {
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.hwnd = owner_;
  info.uId = reinterpret_cast<UINT_PTR>(control);
  const bool known = SendMessageW(tips_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.lpszText = const_cast<wchar_t*>(text.c_str());
  if (text.empty()) {
    if (known) SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  } else if (known) {
    SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  } else {
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
}

}  // namespace pelmora
