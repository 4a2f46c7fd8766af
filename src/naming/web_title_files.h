// The files the title readers work with: the two fixed temporary files in the user's temporary
// folder, and plain whole-file reads and writes.
#pragma once
#include <cstddef>
#include <string>

namespace pelmora {

// The downloaded head of a web page, exactly as received.
inline constexpr wchar_t kDownloadTempName[] = L"~pelm1.tmp";
// The Shift-JIS copy the title reader reads.
inline constexpr wchar_t kConvertedTempName[] = L"~pelm.tmp";

// The temporary folder (with its trailing backslash) + name.
std::wstring TempFilePath(const std::wstring& name);
// Deletes the path when it names a file; a folder of that name is left alone.
void DeleteIfFile(const std::wstring& path);
// Up to `maxBytes` bytes from the start of the file; false when it cannot be opened or read.
bool ReadFileHead(const std::wstring& path, std::size_t maxBytes, std::string& bytes);
// Creates or replaces the file with exactly these bytes.
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);

}  // namespace pelmora
