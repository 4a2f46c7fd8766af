#include "naming/web_title_files.h"

#include <windows.h>

#include "win/system.h"
#include "win/handles.h"

namespace pelmora {

using win::FileHandle;

std::wstring TempFilePath(const std::wstring& name) {
  std::wstring folder(MAX_PATH + 1, L'\0');
  DWORD n = GetTempPathW(static_cast<DWORD>(folder.size()), folder.data());
  if (n > folder.size()) {
    folder.assign(n, L'\0');
    n = GetTempPathW(static_cast<DWORD>(folder.size()), folder.data());
  }
  if (n == 0 || n > folder.size()) return {};
  folder.resize(n);
  folder = folder.substr(0, folder.find(L'\0'));
  return folder + name;
}

void DeleteIfFile(const std::wstring& path) {
  if (!path.empty() && GetPathKind(path) == PathKind::File) DeleteFileW(path.c_str());
}

bool ReadFileHead(const std::wstring& path, std::size_t maxBytes, std::string& bytes) {
  bytes.clear();
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return false;
  const auto fileBytes = static_cast<unsigned long long>(size.QuadPart);
  bytes.resize(fileBytes < maxBytes ? static_cast<std::size_t>(fileBytes) : maxBytes);
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const DWORD want = static_cast<DWORD>(bytes.size() - filled < (1u << 20) ? bytes.size() - filled : (1u << 20));
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + filled, want, &got, nullptr)) {
      bytes.clear();
      return false;
    }
    if (got == 0) break;  // the file shrank meanwhile
    filled += got;
  }
  bytes.resize(filled);
  return true;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  bool ok;
  {
    FileHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    std::size_t done = 0;
    ok = true;
    while (ok && done < bytes.size()) {
      const DWORD want = static_cast<DWORD>(bytes.size() - done < (1u << 20) ? bytes.size() - done : (1u << 20));
      DWORD written = 0;
      ok = WriteFile(file.get(), bytes.data() + done, want, &written, nullptr) && written == want;
      done += written;
    }
  }
  if (!ok) DeleteFileW(path.c_str());
  return ok;
}

}  // namespace pelmora
