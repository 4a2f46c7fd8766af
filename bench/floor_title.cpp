// The floor of starting with a URL: Pelmora's dialog shown, then one bare WinINet GET of the
// page on the window's thread and the text between its title tags put into the name field.
// What the title costs beyond this is Pelmora's.
//   floor_title.exe URL
#include "floor_window.h"

#include <wininet.h>

namespace {

std::string Get(const std::wstring& url) {
  std::string page;
  HINTERNET session = InternetOpenW(L"bench_floor_title", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  if (!session) return page;
  if (HINTERNET request = InternetOpenUrlW(session, url.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0)) {
    char chunk[1024];
    DWORD got = 0;
    while (InternetReadFile(request, chunk, sizeof(chunk), &got) && got > 0) page.append(chunk, got);
    InternetCloseHandle(request);
  }
  InternetCloseHandle(session);
  return page;
}

std::wstring TitleOf(const std::string& page) {
  const std::size_t open = page.find("<title>");
  const std::size_t close = page.find("</title>", open);
  if (open == std::string::npos || close == std::string::npos) return {};
  const std::string title = page.substr(open + 7, close - open - 7);
  std::wstring wide(title.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, title.data(), static_cast<int>(title.size()), wide.data(),
                          static_cast<int>(wide.size()))));
  return wide;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  const std::vector<std::wstring> arguments = bench::Arguments();
  if (arguments.empty()) return 1;
  HWND hwnd = bench::CreateFloorDialog(instance);
  if (!hwnd) return 1;
  SetDlgItemTextW(hwnd, IDC_TXT_LNKPATH, arguments[0].c_str());
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);
  SetDlgItemTextW(hwnd, IDC_TXT_SHORTCUTNAME, TitleOf(Get(arguments[0])).c_str());
  return bench::RunDialogLoop(hwnd);
}
