#include "win/program_info.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "win/system.h"

namespace pelmora {

ProgramInfo ReadProgramInfo() { return ReadProgramInfo(ProgramPath()); }

ProgramInfo ReadProgramInfo(const std::wstring& path) {
  ProgramInfo info;
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return info;
  std::vector<unsigned char> data(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return info;

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  if (VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &len) && fixed) {
    info.major = HIWORD(fixed->dwFileVersionMS);
    info.minor = LOWORD(fixed->dwFileVersionMS);
    info.revision = HIWORD(fixed->dwFileVersionLS);
  }
  struct Translation {
    WORD language, codePage;
  }* translations = nullptr;
  if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &len) ||
      len < sizeof(Translation))
    return info;
  auto value = [&](const wchar_t* name) -> std::wstring {
    wchar_t key[96];
    swprintf(key, 96, L"\\StringFileInfo\\%04x%04x\\%ls", translations[0].language, translations[0].codePage, name);
    wchar_t* text = nullptr;
    UINT chars = 0;
    if (!VerQueryValueW(data.data(), key, reinterpret_cast<void**>(&text), &chars) || !text) return {};
    return std::wstring(text, wcsnlen(text, chars));
  };
  info.productName = value(L"ProductName");
  info.legalCopyright = value(L"LegalCopyright");
  return info;
}

}  // namespace pelmora
