// Any file bytes: the ID3 reader stays in bounds and keeps texts within 128 Shift-JIS bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/code_page.h"
#include "naming/id3_tags.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  const size_t startBytes = pelmora::Id3v2TagBytes(file);
  const std::string_view start = file.substr(0, startBytes < size ? startBytes : size);
  const pelmora::Mp3Tags tags = pelmora::ReadId3Tags(start, file);
  if (pelmora::AnsiByteCount(tags.title) > pelmora::kMp3TagTextBytes) __builtin_trap();
  if (pelmora::AnsiByteCount(tags.artist) > pelmora::kMp3TagTextBytes) __builtin_trap();
  (void)pelmora::AppendedId3v2TagBytes(file);
  return 0;
}
