// Texts held to what a buffer of the ANSI code page takes.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// The text cut after whole characters (a surrogate pair is one) so that it takes at most
// `maxBytes` bytes in the ANSI code page, where a double-byte character counts 2.
std::wstring LimitToAnsiBytes(std::wstring_view text, std::size_t maxBytes);

}  // namespace pelmora
