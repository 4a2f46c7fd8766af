#include "win/pickers.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "win/handles.h"
#include "win/picked_files.h"
#include "win/ole.h"

namespace pelmora {
namespace {

FilePickerResponder g_filePicker;
FolderPickerResponder g_folderPicker;

int CALLBACK SelectInitialFolder(HWND dialog, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
  return 0;
}

}  // namespace

void SetFilePickerResponder(FilePickerResponder responder) { g_filePicker = std::move(responder); }
void SetFolderPickerResponder(FolderPickerResponder responder) { g_folderPicker = std::move(responder); }

std::vector<std::wstring> PickFiles(HWND owner, int& filterIndex, const std::wstring& initialFolder) {
  const int index = filterIndex == 0 ? 1 : filterIndex;
  if (g_filePicker) {
    FilePickerRequest request{index, initialFolder};
    std::vector<std::wstring> chosen = g_filePicker(request);
    if (!chosen.empty()) filterIndex = request.filterIndex;
    return chosen;
  }
  static const wchar_t filter[] = L"全てのﾌｧｲﾙ(*.*)\0*.*\0実行ﾌｧｲﾙ(*.exe)\0*.exe\0";
  // Room for the names of a thousand files or more of one folder.
  std::vector<wchar_t> file(1 << 17, L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.hInstance = GetModuleHandleW(nullptr);
  ofn.lpstrFilter = filter;
  ofn.nFilterIndex = static_cast<DWORD>(index);
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_NODEREFERENCELINKS | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST |
              OFN_HIDEREADONLY;
  EnsureOle();  // the Explorer-style picker is made of shell objects
  if (!GetOpenFileNameW(&ofn)) return {};
  filterIndex = static_cast<int>(ofn.nFilterIndex);
  return PickedFiles(std::wstring_view(file.data(), file.size()));
}

std::wstring BrowseForFolder(const std::wstring& title, HWND owner, int rootCsidl, UINT flags,
                             const std::wstring& initialSelection) {
  if (g_folderPicker) return g_folderPicker({title, rootCsidl, flags, initialSelection});
  if (!owner) owner = GetDesktopWindow();
  LPITEMIDLIST rootItems = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(owner, rootCsidl, &rootItems))) rootItems = nullptr;
  const win::ItemList root(rootItems);
  wchar_t display[MAX_PATH] = {};
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.pidlRoot = root.get();
  info.pszDisplayName = display;
  info.lpszTitle = title.c_str();
  info.ulFlags = flags;
  if (!initialSelection.empty()) {
    info.lpfn = SelectInitialFolder;
    info.lParam = reinterpret_cast<LPARAM>(initialSelection.c_str());
  }
  EnsureOle();
  const win::ItemList chosen(SHBrowseForFolderW(&info));
  if (!chosen) return {};
  std::vector<wchar_t> path(32768, L'\0');
  const BOOL ok = SHGetPathFromIDListEx(chosen.get(), path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT);
  return ok ? std::wstring(path.data()) : std::wstring();
}

}  // namespace pelmora
