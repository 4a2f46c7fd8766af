// The program's own UTF-8 reader, which titles and tags are decoded with.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// One step through UTF-8 as the standard has it: up to four bytes, no overlong forms, no
// surrogates, nothing beyond U+10FFFF.
enum class Utf8Unit {
  Ascii,      // one byte below 0x80
  Character,  // a well-formed multi-byte sequence
  Invalid,    // the longest ill-formed part that starts here (one byte at least)
  Cut,        // the start of a well-formed sequence that the end of the bytes cuts off
};
struct Utf8Step {
  Utf8Unit kind;
  std::size_t length;
  char32_t codePoint;  // for Ascii and Character
};
Utf8Step ReadUtf8Unit(std::string_view bytes, std::size_t at);

// The text of UTF-8 bytes: each ill-formed part becomes U+FFFD, so one bad byte costs one
// character and never its neighbours; a character cut off by the end of the bytes (a page head
// ends anywhere) is left out.
std::wstring DecodeUtf8Text(std::string_view bytes);

}  // namespace pelmora
