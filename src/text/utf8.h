// The program's own UTF-8 check and decoder, used before a page is handed to the
// Japanese converter: text that looks like UTF-8 is decoded here.
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

}  // namespace pelmora
