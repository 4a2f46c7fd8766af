// The title of a local HTML file, read from the file's own bytes.
#include <windows.h>

#include "naming/html_title.h"
#include "naming/target_readers.h"
#include "win/handles.h"

namespace pelmora {
namespace {

// Up to `maxBytes` bytes from the start of the file; false when it cannot be opened or read.
bool ReadFileHead(const std::wstring& path, std::size_t maxBytes, std::string& bytes) {
  bytes.clear();
  win::FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
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

}  // namespace

std::wstring ReadHtmlTitle(const std::wstring& path, std::size_t htmlBuffer) {
  std::string bytes;
  return ReadFileHead(path, htmlBuffer, bytes) ? TitleFromPageBytes(bytes, htmlBuffer) : std::wstring();
}

}  // namespace pelmora
