// The MP3 naming entry point: the file's tags, put into the user's pattern.
#include "naming/mp3_name.h"
#include "naming/mp3_tag_file.h"
#include "naming/target_readers.h"

namespace pelmora {

std::wstring ReadMp3Name(const std::wstring& path, const std::wstring& pattern) {
  Mp3Tags tags;
  if (!OpenMp3Tags(path, tags)) return {};
  return FormatMp3Name(pattern, tags.artist, tags.title);
}

}  // namespace pelmora
