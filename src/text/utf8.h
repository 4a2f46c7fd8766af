// The program's own UTF-8 check and decoders: the quick check and lenient decoder that choose
// the Shift-JIS copy of a page, and the strict reader that titles and tags are decoded with.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// Bytes examined by the UTF-8 check before a page is converted.
inline constexpr std::size_t kUtf8CheckWindow = 1024;

// True when the first `window` bytes hold at least two well-formed multi-byte sequences and
// no stray continuation byte. A sequence cut off by the end of the window is not judged.
bool IsLikelyUtf8(std::string_view bytes, std::size_t window);

// Decodes one- to three-byte sequences of the whole input; every other byte (a four-byte lead,
// a stray continuation, a lead whose followers are missing) becomes `replacement`, and decoding
// resumes at the next byte.
std::wstring DecodeUtf8(std::string_view bytes, std::wstring_view replacement);

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
