// Any page bytes: recognising the encoding, decoding, the title search and the entity rules take
// every input, and the title holds no control character.
#include <cstddef>
#include <cstdint>
#include <string>

#include "naming/html_title.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t buffer = size > 0 ? data[0] * 16u : 2048u;
  const std::wstring title = pelmora::TitleFromPageBytes(bytes, buffer);
  if (!title.empty() && (title.front() == L' ' || title.back() == L' ')) __builtin_trap();
  for (const wchar_t c : title) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) __builtin_trap();
  }
  // The same text as wide characters straight from the bytes.
  std::wstring wide;
  for (size_t i = 0; i + 1 < size; i += 2) wide.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
  const std::wstring wideTitle = pelmora::ExtractHtmlTitle(wide);
  if (wideTitle.size() > wide.size()) __builtin_trap();
  return 0;
}
