#include "settings/profile_file.h"

#include <windows.h>

#include "settings/settings_rules.h"
#include "win/whole_file.h"

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
  return ReplaceWholeFile(path, bytes);
}

}  // namespace pelmora
