#include "win/system.h"

#include <shellapi.h>
#include <shlobj.h>

#include "text/text_rules.h"

namespace pelmora {
namespace {
IconChooserResponder g_iconResponder;
}

// The buffer grows to whatever the system reports, so a long Windows folder is never cut.
template <typename Query>
static std::wstring QueryFolder(Query query) {
  std::wstring buffer(MAX_PATH, L'\0');
  UINT n = query(buffer.data(), static_cast<UINT>(buffer.size()));
  if (n >= buffer.size()) {
    buffer.assign(n + 1, L'\0');
    n = query(buffer.data(), static_cast<UINT>(buffer.size()));
  }
  if (n == 0 || n >= buffer.size()) return {};
  buffer.resize(n);
  return WithTrailingBackslash(buffer);
}

std::wstring GetWindowsFolder() {
  return QueryFolder([](wchar_t* b, UINT n) { return GetWindowsDirectoryW(b, n); });
}

std::wstring GetSystemFolder() {
  return QueryFolder([](wchar_t* b, UINT n) { return GetSystemDirectoryW(b, n); });
}

PathKind GetPathKind(const std::wstring& path) {
  if (path.empty() || path.find(L'\0') != std::wstring::npos) return PathKind::Missing;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Folder : PathKind::File;
}

int IconCount(const std::wstring& file) {
  if (file.empty()) return 0;
  const auto count = reinterpret_cast<UINT_PTR>(ExtractIconW(GetModuleHandleW(nullptr), file.c_str(), 0xFFFFFFFF));
  return static_cast<int>(count);
}

std::wstring ExistingFolder(const std::wstring& typed) {
  const std::wstring text = TrimSpaces(typed);
  return GetPathKind(text) == PathKind::Folder ? text : std::wstring();
}

std::wstring NormalisedFullPath(const std::wstring& path) {
  if (path.empty() || path.find(L'\0') != std::wstring::npos) return path;
  std::wstring full(32768, L'\0');
  const DWORD n = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (n == 0 || n >= full.size()) return path;
  full.resize(n);
  std::wstring longer(32768, L'\0');
  const DWORD m = GetLongPathNameW(full.c_str(), longer.data(), static_cast<DWORD>(longer.size()));
  if (m == 0 || m >= longer.size()) return full;
  longer.resize(m);
  return longer;
}

RECT WorkAreaNearest(const RECT& r) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor)) return monitor.rcWork;
  RECT area{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
    area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return area;
}

std::wstring ExpandEnvironment(const std::wstring& text) {
  if (text.find(L'%') == std::wstring::npos || text.find(L'\0') != std::wstring::npos) return text;
  const DWORD need = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  if (need == 0 || need > 32768) return text;
  std::wstring expanded(need, L'\0');
  const DWORD n = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), need);
  if (n == 0 || n > need) return text;
  expanded.resize(n - 1);
  return expanded;
}

bool EnsureFolderExists(const std::wstring& folder) {
  if (TrimSpaces(folder).empty()) return false;
  // SHCreateDirectoryEx takes the UTF-16 path whole; the image-help function would need the
  // ANSI form and lose characters outside the code page.
  std::wstring path = folder;
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();
  if (GetPathKind(path) == PathKind::Folder) return true;
  wchar_t full[MAX_PATH * 4];
  const DWORD n = GetFullPathNameW(path.c_str(), static_cast<DWORD>(std::size(full)), full, nullptr);
  if (n == 0 || n >= std::size(full)) return false;
  const int r = SHCreateDirectoryExW(nullptr, full, nullptr);
  return (r == ERROR_SUCCESS || r == ERROR_ALREADY_EXISTS) && GetPathKind(full) == PathKind::Folder;
}

void FocusField(HWND control) {
  if (!control) return;
  HWND window = GetParent(control);
  // A combo's edit child holds the focus when the combo has it.
  HWND focus = GetFocus();
  const bool focused = focus == control || (focus && GetParent(focus) == control);
  if (focused) {
    wchar_t cls[32] = {};
    GetClassNameW(control, cls, 32);
    if (lstrcmpiW(cls, L"ComboBox") == 0)
      SendMessageW(control, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    else
      SendMessageW(control, EM_SETSEL, 0, -1);
  } else if (window) {
    SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  } else {
    SetFocus(control);
  }
}

void SetIconChooserResponder(IconChooserResponder responder) { g_iconResponder = std::move(responder); }

bool ChooseIcon(HWND owner, std::wstring& iconPath, int& iconIndex) {
  if (g_iconResponder) return g_iconResponder(iconPath, iconIndex);
  // The shell's icon chooser is exported by ordinal 62 only.
  using PickIconDlgFn = int(WINAPI*)(HWND, wchar_t*, UINT, int*);
  HMODULE shell = GetModuleHandleW(L"shell32.dll");
  if (!shell) shell = LoadLibraryW(L"shell32.dll");
  auto pick = reinterpret_cast<PickIconDlgFn>(
      reinterpret_cast<void*>(GetProcAddress(shell, MAKEINTRESOURCEA(62))));
  if (!pick) return false;
  std::wstring buffer = iconPath;
  buffer.append(1024, L'\0');
  int index = iconIndex;
  if (!pick(owner, buffer.data(), 1024, &index)) return false;
  iconPath = buffer.substr(0, buffer.find(L'\0'));
  iconIndex = index;
  return true;
}

std::wstring ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

std::wstring ProgramFolder() {
  const std::wstring path = ProgramPath();
  return path.substr(0, path.rfind(L'\\') + 1);
}

std::wstring ProgramBaseName() {
  const std::wstring path = ProgramPath();
  std::wstring name = path.substr(path.rfind(L'\\') + 1);
  return name.substr(0, name.rfind(L'.'));
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace pelmora
