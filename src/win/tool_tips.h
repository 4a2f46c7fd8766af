// Tooltips of a window's controls. Texts may be set before the tooltip window exists: they are
// kept and handed over when it is made, so a window can show itself first.
#pragma once
#include <windows.h>

#include <map>
#include <string>

namespace pelmora {

class ToolTips {
 public:
  ToolTips() = default;
  ToolTips(const ToolTips&) = delete;
  ToolTips& operator=(const ToolTips&) = delete;
  ~ToolTips();

  // Remembers the window whose controls get tooltips.
  void Attach(HWND owner) { owner_ = owner; }
  // Makes the tooltip window (once) and gives it every text set so far.
  void Create();
  // Attach, then Create.
  void Create(HWND owner);
  // Sets the tooltip of a control; an empty text shows none.
  void Set(HWND control, const std::wstring& text);

 private:
  void Apply(HWND control, const std::wstring& text);

  HWND owner_ = nullptr;
  HWND tips_ = nullptr;
  std::map<HWND, std::wstring> waiting_;  // texts set before the tooltip window was made
};

}  // namespace pelmora
