// Finding the title element of an HTML page: text in, title out, no files involved.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// The text between the first "<TITLE>" and the "</TITLE>" after it (letter case ignored), with
// CR, LF and tabs removed, the entities &lt; &gt; &amp; &quot; &nbsp; decoded once in that order
// and surrounding blanks trimmed. Empty when either tag is missing; an opening tag with
// attributes does not count.
std::wstring ExtractHtmlTitle(std::wstring_view text);

// The title of a page whose bytes are in the ANSI code page (Shift-JIS); only the first
// `htmlBuffer` bytes are looked at.
std::wstring HtmlTitleFromBytes(std::string_view bytes, std::size_t htmlBuffer);

}  // namespace pelmora
