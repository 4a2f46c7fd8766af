#include "naming/mp3_tag_file.h"

#include <windows.h>

#include <algorithm>

#include "win/handles.h"

namespace pelmora {

using win::FileHandle;
namespace {

// Title and artist frames come early in a tag; a tag claiming more than this (mostly pictures)
// is read only this far.
constexpr unsigned long long kTagReadLimit = 8ull * 1024 * 1024;


bool ReadAt(HANDLE file, unsigned long long offset, std::size_t count, std::string& bytes) {
  bytes.assign(count, '\0');
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(offset);
  if (!SetFilePointerEx(file, at, nullptr, FILE_BEGIN)) return false;
  std::size_t filled = 0;
  while (filled < count) {
    DWORD got = 0;
    if (!ReadFile(file, bytes.data() + filled, static_cast<DWORD>(count - filled), &got, nullptr)) return false;
    if (got == 0) break;
    filled += got;
  }
  bytes.resize(filled);
  return true;
}

}  // namespace

bool OpenMp3Tags(const std::wstring& path, Mp3Tags& tags) {
  tags = {};
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return false;
  const auto fileBytes = static_cast<unsigned long long>(size.QuadPart);

  std::string start;
  if (!ReadAt(file.get(), 0, static_cast<std::size_t>(std::min<unsigned long long>(fileBytes, kId3v2HeaderBytes)),
              start)) {
    return false;
  }
  const unsigned long long tagBytes = std::min({static_cast<unsigned long long>(Id3v2TagBytes(start)), fileBytes,
                                                kTagReadLimit});
  if (tagBytes > start.size() && !ReadAt(file.get(), 0, static_cast<std::size_t>(tagBytes), start)) return false;

  // The end of the file: an ID3v1 tag, and perhaps an ID3v2 tag placed before it.
  std::string end;
  unsigned long long endBytes = std::min<unsigned long long>(fileBytes, kId3v1Bytes + kId3v2HeaderBytes);
  if (!ReadAt(file.get(), fileBytes - endBytes, static_cast<std::size_t>(endBytes), end)) return false;
  const unsigned long long appended = std::min<unsigned long long>(AppendedId3v2TagBytes(end), kTagReadLimit);
  if (appended > end.size() && appended <= fileBytes) {
    endBytes = appended;
    if (!ReadAt(file.get(), fileBytes - endBytes, static_cast<std::size_t>(endBytes), end)) return false;
  }
  tags = ReadId3Tags(start, end);
  return true;
}

}  // namespace pelmora
