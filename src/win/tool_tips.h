// Tooltips of a window's controls.
#pragma once
#include <windows.h>

#include <string>

namespace pelmora {

class ToolTips {
 public:
  ToolTips() = default;
  ToolTips(const ToolTips&) = delete;
  ToolTips& operator=(const ToolTips&) = delete;
  ~ToolTips();

  void Create(HWND owner);
  // Sets the tooltip of a control; an empty text shows none.
  void Set(HWND control, const std::wstring& text);
  std::wstring Get(HWND control) const;

 private:
  HWND owner_ = nullptr;
  HWND tips_ = nullptr;
};

}  // namespace pelmora
