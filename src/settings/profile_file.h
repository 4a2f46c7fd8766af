// Reading and writing INI files through the Windows profile functions, which keep the files in
// the ANSI code page with CRLF lines and match section and key names without regard to case.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/profile_text.h"

namespace pelmora {

// One section of a profile file, read whole in one call (a read per key would open the file
// each time). Absent keys are told apart from keys with an empty value.
class ProfileSection {
 public:
  ProfileSection(const std::wstring& path, const std::wstring& section);
  // The stored text (trimmed, one pair of quotes removed, as the profile functions read it),
  // nullopt when the key is absent.
  std::optional<std::wstring> Value(std::wstring_view key) const;

 private:
  std::wstring text_;
};

// The whole section in one read: its "key=value" lines, each ended by NUL (see SectionValue);
// empty when the file or the section is missing or holds no line.
std::wstring ReadProfileSectionText(const std::wstring& path, const std::wstring& section);

// Writes `key=value`, creating the file and the section as needed; a new file is ANSI text.
// The value is cut at its first line break.
bool WriteProfileValue(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                       const std::wstring& value);
// Removes the key; no error when it is not there.
bool DeleteProfileKey(const std::wstring& path, const std::wstring& section, const std::wstring& key);

// Makes the writes as one whole: reads the file, builds its new text as the profile functions
// would edit it (same bytes, same encoding), writes that to a file of its own in the same folder
// and puts it in the file's place in one step. A reader sees the old file or the new one, never
// part of each, and of two programs writing at the same moment the one that replaces last wins
// whole. False when the file was left as it was (it could not be read, or the folder not
// written); nothing is left behind then.
bool UpdateProfileFile(const std::wstring& path, const ProfileWrites& writes);

}  // namespace pelmora
