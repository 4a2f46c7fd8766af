// The floor of 作成: Pelmora's dialog whose 作成 writes the same links through IShellLinkW and
// IPersistFile into the same folders, then shows the same summary box. Nothing is checked or
// asked first; what 作成 costs beyond this is Pelmora's.
//   floor_create.exe TARGET NAME FOLDER...
#include "floor_window.h"

#include <shlobj.h>

namespace {

std::vector<std::wstring> g_arguments;
// The link object is made at start-up, as the program makes its own while it loads.
IShellLinkW* g_link = nullptr;
IPersistFile* g_file = nullptr;

void WriteLinks(HWND dialog, int id) {
  if (id != IDC_BTN_CREATE) return;
  const std::wstring& target = g_arguments[0];
  const std::wstring& name = g_arguments[1];
  const std::wstring workingFolder = target.substr(0, target.find_last_of(L'\\'));
  int written = 0;
  for (std::size_t i = 2; i < g_arguments.size(); ++i) {
    const std::wstring path = g_arguments[i] + L"\\" + name + L".lnk";
    if (SUCCEEDED(g_link->SetPath(target.c_str())) && SUCCEEDED(g_link->SetWorkingDirectory(workingFolder.c_str())) &&
        SUCCEEDED(g_link->SetDescription(L"")) && SUCCEEDED(g_link->SetShowCmd(SW_SHOW)) &&
        SUCCEEDED(g_file->Save(path.c_str(), TRUE)))
      ++written;
  }
  const bool all = written == static_cast<int>(g_arguments.size()) - 2;
  MessageBoxW(dialog, all ? L"ショートカットはすべて作成されました。" : L"いくつかのショートカットが作成されませんでした。",
              L"ペルモラ", all ? MB_ICONINFORMATION | MB_OK : MB_ICONEXCLAMATION | MB_OK);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  g_arguments = bench::Arguments();
  // COM is running before the click, as in the program once its window is up.
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) ||
      FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&g_link))) ||
      FAILED(g_link->QueryInterface(IID_PPV_ARGS(&g_file))))
    return 1;
  bench::g_onCommand = WriteLinks;
  HWND hwnd = bench::CreateFloorDialog(instance);
  if (!hwnd || g_arguments.size() < 3) return 1;
  // The form shows what 作成 will write, and 作成 can be clicked, as the program's does.
  SetDlgItemTextW(hwnd, IDC_TXT_LNKPATH, g_arguments[0].c_str());
  SetDlgItemTextW(hwnd, IDC_TXT_SHORTCUTNAME, g_arguments[1].c_str());
  EnableWindow(GetDlgItem(hwnd, IDC_BTN_CREATE), TRUE);
  ShowWindow(hwnd, show);
  const int code = bench::RunDialogLoop(hwnd);
  g_file->Release();
  g_link->Release();
  CoUninitialize();
  return code;
}
