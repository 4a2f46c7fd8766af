// The main window's fields of the shortcut being prepared: target, arguments, working folder,
// run size, name and comment, and the icon with its preview. The fields and the shortcut's
// values meet here, in both directions, once.
#pragma once
#include <windows.h>

#include <string>

#include "naming/icon_preview.h"
#include "shortcut/shell_link.h"
#include "win/tool_tips.h"

namespace pelmora {

// The run sizes in the order of their list.
struct RunSize {
  const wchar_t* entry;
  int showCommand;
};
inline constexpr RunSize kRunSizes[] = {{L"通常のウィンドウ", SW_SHOW}, {L"最小化", SW_SHOWMINNOACTIVE},
                                        {L"最大化", SW_SHOWMAXIMIZED}};
// The list entry of a link's run size: only minimised and maximised are told apart; anything
// else is a normal window.
int RunSizeEntryOf(int showCommand);
// The run size of a list entry; no entry (or an unknown one) is a normal window.
int ShowCommandOfEntry(int entry);

class ShortcutForm {
 public:
  ShortcutForm() = default;
  ShortcutForm(const ShortcutForm&) = delete;
  ShortcutForm& operator=(const ShortcutForm&) = delete;

  // `window` holds the fields; `tips` gives the preview its tooltip (the icon's file).
  void Attach(HWND window, ToolTips& tips);
  IconPreview& Preview() { return preview_; }

  // The values as typed (not trimmed), with the icon.
  ShellLinkInfo Values() const;
  // Shows every value of `values` (cut at a NUL), the icon's location kept but not drawn.
  void Show(const ShellLinkInfo& values);
  std::wstring Target() const;
  void SetTarget(const std::wstring& target);
  std::wstring Name() const;
  void SetName(const std::wstring& name);
  // Every field empty and no picture; the icon index keeps its value, meaningless without a file.
  void Clear();
  // What only a shell link has: working folder, arguments, comment, run size and icon.
  void ClearLinkOnlyFields();

  // An empty icon file means the target's own icon.
  const std::wstring& IconFile() const { return iconFile_; }
  int IconIndex() const { return iconIndex_; }
  // A file that holds icons becomes the icon (its icon `index` drawn); false, with the icon
  // unchanged but the picture cleared, when it holds none.
  bool TakeIconFrom(std::wstring file, int index);
  // The icon a .lnk or .url names, kept as it stands even where it cannot be drawn here; false
  // when it names none.
  bool ShowShortcutFileIcon(std::wstring iconFile, int iconIndex);
  // An ordinary file or folder: its own first icon, else its type's icon.
  void ShowIconOf(const std::wstring& path);
  // After a link was read back: the icon it names, else its target's.
  void ShowLinkIcon();
  // A bitmap target shows its type's icon and carries none of its own.
  void ShowBitmapTypeIcon();
  void ShowInternetShortcutIcon() { preview_.GetInetShortcutIconImage(); }

 private:
  HWND Control(int id) const { return GetDlgItem(hwnd_, id); }
  // The preview's source; the icon file follows it (kept only when it holds icons).
  int SetIconSource(std::wstring path);
  void ClearIconTip();

  HWND hwnd_ = nullptr;
  ToolTips* tips_ = nullptr;
  std::wstring iconFile_;
  int iconIndex_ = 0;
  IconPreview preview_;
};

}  // namespace pelmora
