// The floor of starting with a shortcut file: Pelmora's dialog filled from one .lnk loaded
// through IShellLinkW and IPersistFile, before it is shown. What the read-back costs beyond this
// is Pelmora's.
//   floor_link.exe LINK.lnk
#include "floor_window.h"

#include <shlobj.h>

namespace {

void FillForm(HWND dialog, const std::wstring& path) {
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(&file))) && SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
    wchar_t text[MAX_PATH] = {};
    int index = 0;
    if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_UNCPRIORITY))) SetDlgItemTextW(dialog, IDC_TXT_LNKPATH, text);
    if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH))) SetDlgItemTextW(dialog, IDC_TXT_WRKPATH, text);
    if (SUCCEEDED(link->GetArguments(text, MAX_PATH))) SetDlgItemTextW(dialog, IDC_TXT_OPTION, text);
    if (SUCCEEDED(link->GetDescription(text, MAX_PATH))) SetDlgItemTextW(dialog, IDC_TXT_COMMENT, text);
    link->GetIconLocation(text, MAX_PATH, &index);
    link->GetShowCmd(&index);
    // The name is the file's, without its folder and extension.
    const std::size_t start = path.find_last_of(L'\\') + 1;
    SetDlgItemTextW(dialog, IDC_TXT_SHORTCUTNAME, path.substr(start, path.find_last_of(L'.') - start).c_str());
  }
  if (file) file->Release();
  if (link) link->Release();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  const std::vector<std::wstring> arguments = bench::Arguments();
  if (arguments.empty() || FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
  HWND hwnd = bench::CreateFloorDialog(instance);
  if (!hwnd) return 1;
  FillForm(hwnd, arguments[0]);
  ShowWindow(hwnd, show);
  const int code = bench::RunDialogLoop(hwnd);
  CoUninitialize();
  return code;
}
