#include "naming/html_title.h"

#include "text/text_rules.h"
#include "naming/japanese_text_converter.h"

namespace pelmora {
namespace {

// Tag positions are kept as 16-bit character numbers counted from 1: a closing tag that starts
// after character 32767 (and so any opening tag after character 32760) is out of reach.
constexpr std::size_t kClosingTagLimit = 32767;

// C0 and C1 controls, DEL: never part of a name.
bool IsControl(wchar_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

wchar_t FoldAscii(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

// Position of `needle` (upper-case ASCII) in `text` from `from` on, ASCII letter case ignored.
std::size_t FindNoCase(std::wstring_view text, std::wstring_view needle, std::size_t from) {
  if (needle.size() > text.size()) return std::wstring_view::npos;
  for (std::size_t i = from; i + needle.size() <= text.size(); ++i) {
    std::size_t k = 0;
    while (k < needle.size() && FoldAscii(text[i + k]) == needle[k]) ++k;
    if (k == needle.size()) return i;
  }
  return std::wstring_view::npos;
}

std::wstring ReplaceAllNoCase(std::wstring_view text, std::wstring_view entity, std::wstring_view by) {
  std::wstring out;
  out.reserve(text.size());
  std::size_t start = 0;
  for (;;) {
    const std::size_t hit = FindNoCase(text, entity, start);
    if (hit == std::wstring_view::npos) break;
    out.append(text.substr(start, hit - start));
    out.append(by);
    start = hit + entity.size();
  }
  out.append(text.substr(start));
  return out;
}

}  // namespace

std::wstring ExtractHtmlTitle(std::wstring_view text) {
  static constexpr std::wstring_view kOpen = L"<TITLE>";
  static constexpr std::wstring_view kClose = L"</TITLE>";
  const std::size_t open = FindNoCase(text, kOpen, 0);
  if (open == std::wstring_view::npos) return {};
  const std::size_t first = open + kOpen.size();
  const std::size_t close = FindNoCase(text, kClose, first);
  if (close == std::wstring_view::npos || close >= kClosingTagLimit) return {};

  std::wstring title;
  for (const wchar_t c : text.substr(first, close - first)) {
    if (!IsControl(c)) title.push_back(c);
  }
  title = ReplaceAllNoCase(title, L"&LT;", L"<");
  title = ReplaceAllNoCase(title, L"&GT;", L">");
  title = ReplaceAllNoCase(title, L"&AMP;", L"&");
  title = ReplaceAllNoCase(title, L"&QUOT;", L"\"");
  title = ReplaceAllNoCase(title, L"&NBSP;", L" ");
  return TrimSpaces(title);
}

std::wstring TitleFromPageBytes(std::string_view bytes, std::size_t htmlBuffer) {
  const std::string_view head = bytes.substr(0, htmlBuffer);
  return ExtractHtmlTitle(DecodeJapaneseText(head, DetectJapaneseEncoding(head)));
}

}  // namespace pelmora
