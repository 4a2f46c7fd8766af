// Finding the title element of an HTML page: bytes or text in, title out, no files involved.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// The text between the first "<TITLE>" and the "</TITLE>" after it (letter case ignored), with
// control characters (CR, LF and tabs among them) removed, the entities &lt; &gt; &amp; &quot;
// &nbsp; decoded once in that order and surrounding blanks trimmed. Empty when either tag is
// missing; an opening tag with attributes does not count.
std::wstring ExtractHtmlTitle(std::wstring_view text);

// The title of a page given as the bytes it was stored or sent in. Only the first `htmlBuffer`
// bytes are looked at: their encoding is recognised, they are decoded to Unicode (a character
// cut off by the end of the buffer is left out) and the title is taken from that text, so it
// keeps every character the page has. A title that would hold a broken character (U+FFFD) is
// taken from its own bytes instead when they read cleanly in another encoding.
std::wstring TitleFromPageBytes(std::string_view bytes, std::size_t htmlBuffer);

}  // namespace pelmora
