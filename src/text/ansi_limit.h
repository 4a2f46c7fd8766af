// Texts and the ANSI code page: how much of a text a buffer of it takes, and whether it holds a
// text whole.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// The text cut after whole characters (a surrogate pair is one) so that it takes at most
// `maxBytes` bytes in the ANSI code page, where a double-byte character counts 2.
std::wstring LimitToAnsiBytes(std::wstring_view text, std::size_t maxBytes);

// True when the ANSI code page holds every character of the text, so that an ANSI file keeps it.
bool AnsiKeepsText(std::wstring_view text);

}  // namespace pelmora
