// UTF-16 bytes of test texts, written from char16_t so that surrogate pairs come out the same
// on every platform (wchar_t is UTF-16 on Windows, UTF-32 on the host).
#pragma once
#include <string>
#include <string_view>

namespace pelmora::test {

inline std::string EncodeUtf16(std::u16string_view text, bool bigEndian) {
  std::string s;
  for (const char16_t unit : text) {
    const char hi = static_cast<char>(unit >> 8), lo = static_cast<char>(unit & 0xFF);
    s.push_back(bigEndian ? hi : lo);
    s.push_back(bigEndian ? lo : hi);
  }
  return s;
}

// ASCII text as UTF-16.
inline std::string WidenToUtf16(std::string_view ascii, bool bigEndian) {
  return EncodeUtf16(std::u16string(ascii.begin(), ascii.end()), bigEndian);
}

}  // namespace pelmora::test
