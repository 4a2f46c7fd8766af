// The file picker and the folder picker, each with one seam where a test answers for the person.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace pelmora {

// "全てのﾌｧｲﾙ(*.*)" and "実行ﾌｧｲﾙ(*.exe)"; one file or several of one folder may be chosen.
// `filterIndex` is the filter the user left selected last time (0 means the first) and is
// updated. Links are not followed: choosing a .lnk gives the link file itself. The chosen files'
// full paths; empty on cancel.
std::vector<std::wstring> PickFiles(HWND owner, int& filterIndex, const std::wstring& initialFolder);

// The folder picker rooted at a special folder (CSIDL), with an optional initial selection.
// Empty on cancel, for an item without a file-system path, or on any error.
std::wstring BrowseForFolder(const std::wstring& title, HWND owner, int rootCsidl, UINT flags,
                             const std::wstring& initialSelection);

// Test seams: while set, the pickers ask the responder instead of showing a dialog.
struct FilePickerRequest {
  int filterIndex;
  std::wstring initialFolder;
};
// The responder returns the files the person chose (empty: cancel).
using FilePickerResponder = std::function<std::vector<std::wstring>(FilePickerRequest& request)>;
void SetFilePickerResponder(FilePickerResponder responder);

struct FolderPickerRequest {
  std::wstring title;
  int rootCsidl;
  UINT flags;
  std::wstring initialSelection;
};
using FolderPickerResponder = std::function<std::wstring(const FolderPickerRequest& request)>;
void SetFolderPickerResponder(FolderPickerResponder responder);

}  // namespace pelmora
