#include "settings/profile_file.h"

#include <windows.h>

#include "text/text_rules.h"

namespace pelmora {

namespace {

// Every value the program reads fits 511 ANSI bytes, so this many UTF-16 units suffice.
constexpr DWORD kValueBuffer = 1024;

std::vector<std::wstring> ReadKeyNames(const std::wstring& path, const std::wstring& section) {
  std::vector<std::wstring> keys;
  std::wstring buffer(4096, L'\0');
  for (;;) {
    const DWORD got = GetPrivateProfileStringW(section.c_str(), nullptr, L"", buffer.data(),
                                               static_cast<DWORD>(buffer.size()), path.c_str());
    // A full buffer returns its size minus two; ask again with more room.
    if (got + 2 < buffer.size() || buffer.size() >= (1u << 24)) {
      buffer.resize(got);
      break;
    }
    buffer.assign(buffer.size() * 4, L'\0');
  }
  std::size_t start = 0;
  while (start < buffer.size()) {
    std::size_t end = buffer.find(L'\0', start);
    if (end == std::wstring::npos) end = buffer.size();
    if (end > start) keys.emplace_back(buffer.substr(start, end - start));
    start = end + 1;
  }
  return keys;
}

}  // namespace

ProfileSection::ProfileSection(std::wstring path, std::wstring section)
    : path_(std::move(path)), section_(std::move(section)), keys_(ReadKeyNames(path_, section_)) {}

std::optional<std::wstring> ProfileSection::Value(std::wstring_view key) const {
  bool present = false;
  for (const auto& name : keys_) present = present || EqualsNoCase(name, key);
  if (!present) return std::nullopt;
  std::wstring buffer(kValueBuffer, L'\0');
  const std::wstring keyText(key);
  const DWORD got = GetPrivateProfileStringW(section_.c_str(), keyText.c_str(), L"", buffer.data(),
                                             kValueBuffer, path_.c_str());
  buffer.resize(got);
  return buffer;
}

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

}  // namespace pelmora
