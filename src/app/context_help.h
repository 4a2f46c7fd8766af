// What's This help for a window's controls: a right-button release on a control, F1 on the
// focused control, the help button's or the title bar's help mode each show the control's help
// text in a help popup. The texts are resources keyed by help topic; a control's topic is its
// own id unless the window's table gives another.
#pragma once
#include <windows.h>

#include <span>
#include <string>

namespace pelmora {

struct HelpTopic {
  int control;
  DWORD topic;
};

class ContextHelp {
 public:
  ContextHelp() = default;
  ContextHelp(const ContextHelp&) = delete;
  ContextHelp& operator=(const ContextHelp&) = delete;
  ~ContextHelp();

  // Every control of `window` has its help topic: the one `topics` names, else its own id,
  // unless the window gave it one itself. `topics` must outlive the object. The topics are
  // given when help is first asked for, so that showing the window does not wait for them.
  void Attach(HWND window, std::span<const HelpTopic> topics) {
    window_ = window;
    topics_ = topics;
  }
  // WM_CONTEXTMENU, WM_HELP and the title bar's "?" (WM_SYSCOMMAND SC_CONTEXTHELP); true when
  // the message was one of them and showed help or started the help mode.
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The next click on a control shows its help; Esc or a click elsewhere leaves the mode.
  void BeginHelpMode();

 private:
  // Shows the help of `control` (a control of the window) with its corner at `at` (screen);
  // false when the control has no help.
  bool Show(HWND control, POINT at) const;
  bool ContextMenu(HWND from, LPARAM position);
  bool Help(const HELPINFO& info);
  void GiveTopics();

  HWND window_ = nullptr;
  std::span<const HelpTopic> topics_;
  bool topicsGiven_ = false;
};

// The help text of a control: the text of its help topic, or empty.
std::wstring HelpTextOf(HWND control);
// The control of `window` at a screen point: the smallest visible one there (a control inside a
// group box rather than the box), or null.
HWND ControlAt(HWND window, POINT screenPoint);

}  // namespace pelmora
