#include "naming/html_title.h"

#include "text/text_rules.h"
#include "text/utf16.h"
#include "naming/japanese_text_converter.h"

namespace pelmora {
namespace {

// Tag positions are kept as 16-bit character numbers counted from 1: a closing tag that starts
// after character 32767 (and so any opening tag after character 32760) is out of reach.
constexpr std::size_t kClosingTagLimit = 32767;

// C0 and C1 controls, DEL: never part of a name.
bool IsControl(wchar_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

template <typename Char>
Char FoldAscii(Char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<Char>(c - 'a' + 'A') : c;
}

// Position of `needle` (upper-case ASCII) in `text` from `from` on, ASCII letter case ignored.
template <typename Char>
std::size_t FindNoCase(std::basic_string_view<Char> text, std::basic_string_view<Char> needle, std::size_t from) {
  if (needle.size() > text.size()) return std::basic_string_view<Char>::npos;
  for (std::size_t i = from; i + needle.size() <= text.size(); ++i) {
    std::size_t k = 0;
    while (k < needle.size() && FoldAscii(text[i + k]) == needle[k]) ++k;
    if (k == needle.size()) return i;
  }
  return std::basic_string_view<Char>::npos;
}

// The title element as the page's bytes have it, tags included; empty when there is none in
// 8-bit form.
std::string_view TitleElementBytes(std::string_view bytes) {
  const std::size_t open = FindNoCase<char>(bytes, "<TITLE>", 0);
  if (open == std::string_view::npos) return {};
  const std::size_t close = FindNoCase<char>(bytes, "</TITLE>", open + 7);
  if (close == std::string_view::npos) return {};
  return bytes.substr(open, close + 8 - open);
}

bool HasReplacement(std::wstring_view text) {
  return text.find(static_cast<wchar_t>(kReplacementCharacter)) != std::wstring_view::npos;
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
  const JapaneseEncoding encoding = DetectJapaneseEncoding(head);
  std::wstring title = ExtractHtmlTitle(DecodeJapaneseText(head, encoding));
  if (!HasReplacement(title)) return title;
  // The page as a whole may read best in an encoding that the title breaks in (a stray byte
  // elsewhere outweighs it); the title's own bytes then have their say, and a reading of them
  // without a broken character wins.
  const std::string_view element = TitleElementBytes(head);
  if (element.empty()) return title;
  const JapaneseEncoding own = DetectJapaneseEncoding(element);
  if (own == encoding) return title;
  std::wstring other = ExtractHtmlTitle(DecodeJapaneseText(element, own));
  return other.empty() || HasReplacement(other) ? title : other;
}

}  // namespace pelmora
