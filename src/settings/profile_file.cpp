#include "settings/profile_file.h"

#include <windows.h>

#include "settings/settings_rules.h"
#include "win/handles.h"

namespace pelmora {

ProfileSection::ProfileSection(const std::wstring& path, const std::wstring& section)
    : text_(ReadProfileSectionText(path, section)) {}

std::optional<std::wstring> ProfileSection::Value(std::wstring_view key) const { return SectionValue(text_, key); }

std::wstring ReadProfileSectionText(const std::wstring& path, const std::wstring& section) {
  std::wstring buffer(4096, L'\0');
  for (;;) {
    const DWORD got = GetPrivateProfileSectionW(section.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                                path.c_str());
    // A full buffer returns its size minus two; ask again with more room.
    if (got + 2 < buffer.size() || buffer.size() >= (1u << 24)) {
      buffer.resize(got);
      return buffer;
    }
    buffer.assign(buffer.size() * 4, L'\0');
  }
}

bool WriteProfileValue(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                       const std::wstring& value) {
  // A value is one line: a line break would start lines (keys, sections) of its own.
  const std::wstring line = value.substr(0, value.find_first_of(L"\r\n"));
  return WritePrivateProfileStringW(section.c_str(), key.c_str(), line.c_str(), path.c_str()) != FALSE;
}

bool DeleteProfileKey(const std::wstring& path, const std::wstring& section, const std::wstring& key) {
  return WritePrivateProfileStringW(section.c_str(), key.c_str(), nullptr, path.c_str()) != FALSE;
}

namespace {

// Another program may hold the file open for a moment (a reader without delete sharing, a
// virus scanner); a replace is tried again a few times before it gives up.
constexpr int kAttempts = 8;
constexpr DWORD kRetryPauseMs = 15;

bool Busy(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
}

// The whole file, or nullopt when it exists but cannot be read; a missing file reads as empty.
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

bool UpdateProfileFile(const std::wstring& path, const ProfileWrites& writes) {
  // An empty name would mean win.ini to the profile functions; it means nothing here.
  if (path.empty()) return false;
  const std::optional<std::string> old = ReadWholeFile(path);
  // A file that exists but cannot be read is left alone: writing it anew would lose its other keys.
  if (!old) return false;
  ProfileFileText file = DecodeProfileFile(*old);
  file.text = ApplyProfileWrites(file.text, writes);
  const std::string bytes = EncodeProfileFile(file);
  if (!old->empty() && bytes == *old) return true;  // nothing changes
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
