#include "text/ansi_limit.h"

#include "text/code_page.h"

namespace pelmora {

std::wstring LimitToAnsiBytes(std::wstring_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes / 2 || AnsiByteCount(text) <= maxBytes) return std::wstring(text);
  std::size_t bytes = 0;
  std::size_t end = 0;
  while (end < text.size()) {
    std::size_t next = end + 1;
    // A surrogate pair is one character.
    if (sizeof(wchar_t) == 2 && text[end] >= 0xD800 && text[end] <= 0xDBFF && next < text.size() &&
        text[next] >= 0xDC00 && text[next] <= 0xDFFF)
      ++next;
    const std::size_t charBytes = AnsiByteCount(text.substr(end, next - end));
    if (bytes + charBytes > maxBytes) break;
    bytes += charBytes;
    end = next;
  }
  return std::wstring(text.substr(0, end));
}

bool AnsiKeepsText(std::wstring_view text) { return FromAnsiBytes(ToAnsiBytes(text)) == text; }

}  // namespace pelmora
