#include "win/whole_file.h"

#include <windows.h>

#include "win/handles.h"

namespace pelmora {
namespace {

// Another program may hold the file open for a moment (a reader without delete sharing, a
// virus scanner); a replace is tried again a few times before it gives up.
constexpr int kAttempts = 8;
constexpr DWORD kRetryPauseMs = 15;

bool Busy(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
}

// A new file beside `path`, named after it and this process so that programs writing at the same
// time never share one; empty when none could be made.
std::wstring WriteSiblingFile(const std::wstring& path, const std::string& bytes) {
  static LONG counter = 0;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const std::wstring name = path + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(InterlockedIncrement(&counter)) + L".tmp";
    win::FileHandle file(
        CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
      if (GetLastError() == ERROR_FILE_EXISTS) continue;
      return {};
    }
    DWORD written = 0;
    bool ok = bytes.empty() ||
              (WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
               written == bytes.size());
    // On the disk before it takes the old file's place: a log-off may be followed by a power-off.
    ok = ok && FlushFileBuffers(file.get());
    file.reset();
    if (ok) return name;
    DeleteFileW(name.c_str());
    return {};
  }
  return {};
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
  for (int attempt = 1;; ++attempt) {
    // Delete sharing lets another program replace the file while it is being read here.
    win::FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
      const DWORD error = GetLastError();
      if (error == ERROR_FILE_NOT_FOUND) return std::string();
      if (!Busy(error) || attempt == kAttempts) return std::nullopt;
      Sleep(kRetryPauseMs);
      continue;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > (1 << 26)) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                           read != bytes.size()))
      return std::nullopt;
    return bytes;
  }
}

bool ReplaceWholeFile(const std::wstring& path, const std::string& bytes) {
  const std::wstring temporary = WriteSiblingFile(path, bytes);
  if (temporary.empty()) return false;
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    if (readOnly || !Busy(error) || attempt == kAttempts) break;
    Sleep(kRetryPauseMs * static_cast<DWORD>(attempt));
  }
  DeleteFileW(temporary.c_str());
  return false;
}

}  // namespace pelmora
