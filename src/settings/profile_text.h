// The text of a profile (INI) file edited as the Windows profile functions edit it, so that a
// whole file can be built in memory and put in place in one step. No file access here.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// One WritePrivateProfileString: a value sets the key, creating its section and the key as
// needed; no value removes the key.
struct ProfileWrite {
  std::wstring section;
  std::wstring key;
  std::optional<std::wstring> value;
};
using ProfileWrites = std::vector<ProfileWrite>;

// The text after the writes, in their order, as the profile functions leave it: every line they
// do not touch stays as it was (unknown keys and sections, comments, blank lines), a value
// already there is replaced in its own line under the key's stored spelling, a new key goes after
// the last line of its section (the first one of that name), a new section goes at the end, and
// every line ends with CR LF. Section and key names match without regard to case and to the
// blanks around them. A value is cut at its first line break or NUL.
std::wstring ApplyProfileWrites(std::wstring_view text, const ProfileWrites& writes);

// The encodings the profile functions read and keep: ANSI unless the file starts with a UTF-8
// or UTF-16 byte-order mark, which is written again.
enum class ProfileEncoding { Ansi, Utf8, Utf16Le, Utf16Be };
struct ProfileFileText {
  std::wstring text;
  ProfileEncoding encoding = ProfileEncoding::Ansi;
};
ProfileFileText DecodeProfileFile(std::string_view bytes);
std::string EncodeProfileFile(const ProfileFileText& file);

}  // namespace pelmora
