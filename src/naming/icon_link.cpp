#include "naming/icon_link.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "naming/japanese_text_converter.h"
#include "text/text_rules.h"
#include "text/utf16.h"

namespace pelmora {
namespace {

// An http or https address taken apart; the query keeps its "?".
struct HttpUrl {
  std::wstring scheme;     // "http" or "https"
  std::wstring authority;  // host in lower case, with its port when one is given
  std::wstring path;       // starts with "/"
  std::wstring query;
};

bool IsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsHtmlSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\f'; }

bool IsHostCharacter(wchar_t c) {
  return IsAsciiLetter(c) || IsDigit(c) || c == L'.' || c == L'-' || c == L'_' || c == L'~' || c == L'%';
}

// The authority in lower case, or nothing when it names no host the program would ask: a user
// name ("@") is never sent, and only plain names, IPv4 and bracketed IPv6 addresses count.
std::optional<std::wstring> CheckedAuthority(std::wstring_view authority) {
  const std::wstring lower = ToLowerAscii(authority);
  std::size_t hostEnd = 0;
  if (!lower.empty() && lower[0] == L'[') {
    hostEnd = lower.find(L']');
    if (hostEnd == std::wstring::npos || hostEnd == 1) return std::nullopt;
    for (std::size_t i = 1; i < hostEnd; ++i) {
      const wchar_t c = lower[i];
      if (!(IsDigit(c) || (c >= L'a' && c <= L'f') || c == L':' || c == L'.')) return std::nullopt;
    }
    ++hostEnd;
  } else {
    hostEnd = lower.find(L':');
    if (hostEnd == std::wstring::npos) hostEnd = lower.size();
    if (hostEnd == 0) return std::nullopt;
    for (std::size_t i = 0; i < hostEnd; ++i)
      if (!IsHostCharacter(lower[i])) return std::nullopt;
  }
  if (hostEnd < lower.size()) {
    if (lower[hostEnd] != L':') return std::nullopt;
    for (std::size_t i = hostEnd + 1; i < lower.size(); ++i)
      if (!IsDigit(lower[i])) return std::nullopt;
  }
  return lower;
}

// "http:" or "https:" (any case) followed by "//": the scheme, and where the authority starts.
std::optional<std::wstring> HttpScheme(std::wstring_view url, std::size_t& authorityStart) {
  const std::size_t colon = url.find(L':');
  if (colon == std::wstring_view::npos) return std::nullopt;
  const std::wstring scheme = ToLowerAscii(url.substr(0, colon));
  if ((scheme != L"http" && scheme != L"https") || url.substr(colon + 1, 2) != L"//") return std::nullopt;
  authorityStart = colon + 3;
  return scheme;
}

// The address without its fragment, taken apart; nothing when it is not http or https.
std::optional<HttpUrl> SplitHttpUrl(std::wstring_view url) {
  url = url.substr(0, url.find(L'#'));
  std::size_t at = 0;
  auto scheme = HttpScheme(url, at);
  if (!scheme) return std::nullopt;
  const std::size_t authorityEnd = std::min(url.find_first_of(L"/?", at), url.size());
  const auto authority = CheckedAuthority(url.substr(at, authorityEnd - at));
  if (!authority) return std::nullopt;
  HttpUrl out{std::move(*scheme), *authority, L"/", L""};
  const std::wstring_view rest = url.substr(authorityEnd);
  const std::size_t question = rest.find(L'?');
  const std::wstring_view path = rest.substr(0, question);
  if (!path.empty()) out.path = std::wstring(path);
  if (question != std::wstring_view::npos) out.query = std::wstring(rest.substr(question));
  return out;
}

// "." and ".." segments resolved as a browser resolves them; ".." never climbs above the root.
std::wstring WithoutDotSegments(std::wstring_view path) {
  std::vector<std::wstring_view> kept;
  bool trailingSlash = false;
  std::size_t start = 1;  // the path starts with "/"
  for (;;) {
    const std::size_t slash = path.find(L'/', start);
    const std::wstring_view segment = path.substr(start, slash == std::wstring_view::npos ? path.npos : slash - start);
    const bool last = slash == std::wstring_view::npos;
    if (segment == L"..") {
      if (!kept.empty()) kept.pop_back();
      trailingSlash = last;
    } else if (segment == L".") {
      trailingSlash = last;
    } else {
      kept.push_back(segment);
      trailingSlash = false;
    }
    if (last) break;
    start = slash + 1;
  }
  std::wstring out;
  for (const std::wstring_view segment : kept) {
    out += L'/';
    out += segment;
  }
  if (out.empty() || trailingSlash) out += L'/';
  return out;
}

void AppendPercentByte(std::wstring& out, unsigned byte) {
  static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
  out += L'%';
  out += kHex[(byte >> 4) & 0xF];
  out += kHex[byte & 0xF];
}

// Printable ASCII stays (but for the few marks a URL never holds bare); everything else goes as
// percent-encoded UTF-8, a lone surrogate as U+FFFD.
std::wstring PercentEncoded(std::wstring_view text) {
  std::wstring out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = static_cast<char32_t>(text[i]);
    if (c > 0x20 && c < 0x7F && c != U'"' && c != U'<' && c != U'>' && c != U'`' && c != U'{' && c != U'}' &&
        c != U'|' && c != U'^') {
      out += text[i];
      continue;
    }
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[i + 1]) - 0xDC00);
      ++i;
    } else if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
      c = kReplacementCharacter;
    }
    if (c < 0x80) {
      AppendPercentByte(out, c);
    } else if (c < 0x800) {
      AppendPercentByte(out, 0xC0 | (c >> 6));
      AppendPercentByte(out, 0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      AppendPercentByte(out, 0xE0 | (c >> 12));
      AppendPercentByte(out, 0x80 | ((c >> 6) & 0x3F));
      AppendPercentByte(out, 0x80 | (c & 0x3F));
    } else {
      AppendPercentByte(out, 0xF0 | (c >> 18));
      AppendPercentByte(out, 0x80 | ((c >> 12) & 0x3F));
      AppendPercentByte(out, 0x80 | ((c >> 6) & 0x3F));
      AppendPercentByte(out, 0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::wstring Joined(const HttpUrl& url) {
  return url.scheme + L"://" + url.authority + PercentEncoded(WithoutDotSegments(url.path)) +
         PercentEncoded(url.query);
}

// What a browser keeps of an attribute value that is an address: no blanks or controls around
// it, no tab or line break inside, "\" for "/".
std::wstring CleanReference(std::wstring_view reference) {
  std::size_t first = 0, last = reference.size();
  while (first < last && reference[first] <= 0x20) ++first;
  while (last > first && reference[last - 1] <= 0x20) --last;
  std::wstring out;
  for (const wchar_t c : reference.substr(first, last - first)) {
    if (c == L'\t' || c == L'\r' || c == L'\n') continue;
    out += c == L'\\' ? L'/' : c;
  }
  return out;
}

// ---- the page's markup ----

struct LinkTag {
  std::wstring rel, href, type;
  bool hasHref = false;
};

// &amp; &lt; &gt; &quot; &apos; and numeric references: what an address in markup uses.
std::wstring DecodeAttributeEntities(std::wstring_view value) {
  static constexpr struct {
    std::wstring_view name;
    wchar_t c;
  } kNamed[] = {{L"amp;", L'&'}, {L"lt;", L'<'}, {L"gt;", L'>'}, {L"quot;", L'"'}, {L"apos;", L'\''}};
  std::wstring out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != L'&') {
      out += value[i];
      continue;
    }
    const std::wstring_view rest = value.substr(i + 1);
    bool done = false;
    for (const auto& named : kNamed) {
      if (rest.size() >= named.name.size() && EqualsNoCase(rest.substr(0, named.name.size()), named.name)) {
        out += named.c;
        i += named.name.size();
        done = true;
        break;
      }
    }
    if (!done && !rest.empty() && rest[0] == L'#') {
      const bool hex = rest.size() > 1 && (rest[1] == L'x' || rest[1] == L'X');
      std::size_t k = hex ? 2 : 1;
      char32_t code = 0;
      const std::size_t digitsStart = k;
      for (; k < rest.size() && k < digitsStart + 8; ++k) {
        const wchar_t c = rest[k];
        int digit = -1;
        if (IsDigit(c)) digit = c - L'0';
        else if (hex && c >= L'a' && c <= L'f') digit = c - L'a' + 10;
        else if (hex && c >= L'A' && c <= L'F') digit = c - L'A' + 10;
        if (digit < 0) break;
        code = code * (hex ? 16 : 10) + static_cast<char32_t>(digit);
      }
      if (k > digitsStart && k < rest.size() && rest[k] == L';') {
        AppendCodePoint(out, code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)
                                 ? kReplacementCharacter
                                 : code);
        i += k + 1;
        done = true;
      }
    }
    if (!done) out += L'&';
  }
  return out;
}

// The attributes of a tag from `at` (just after its name) to its ">"; false when the text ends
// first: a tag cut off by the end of the page head is not used.
bool ReadLinkAttributes(std::wstring_view text, std::size_t& at, LinkTag& link) {
  bool seenRel = false, seenType = false;
  for (;;) {
    while (at < text.size() && (IsHtmlSpace(text[at]) || text[at] == L'/')) ++at;
    if (at >= text.size()) return false;
    if (text[at] == L'>') {
      ++at;
      return true;
    }
    const std::size_t nameStart = at;
    ++at;  // a name's first character may be anything, "=" too
    while (at < text.size() && !IsHtmlSpace(text[at]) && text[at] != L'/' && text[at] != L'>' && text[at] != L'=')
      ++at;
    const std::wstring_view name = text.substr(nameStart, at - nameStart);
    while (at < text.size() && IsHtmlSpace(text[at])) ++at;
    std::wstring_view value;
    if (at < text.size() && text[at] == L'=') {
      ++at;
      while (at < text.size() && IsHtmlSpace(text[at])) ++at;
      if (at >= text.size()) return false;
      if (text[at] == L'"' || text[at] == L'\'') {
        const std::size_t close = text.find(text[at], at + 1);
        if (close == std::wstring_view::npos) return false;
        value = text.substr(at + 1, close - at - 1);
        at = close + 1;
      } else {
        const std::size_t start = at;
        while (at < text.size() && !IsHtmlSpace(text[at]) && text[at] != L'>') ++at;
        value = text.substr(start, at - start);
      }
    }
    // The first of each attribute counts, as in a browser.
    if (EqualsNoCase(name, L"rel") && !seenRel) {
      link.rel = DecodeAttributeEntities(value);
      seenRel = true;
    } else if (EqualsNoCase(name, L"href") && !link.hasHref) {
      link.href = DecodeAttributeEntities(value);
      link.hasHref = true;
    } else if (EqualsNoCase(name, L"type") && !seenType) {
      link.type = DecodeAttributeEntities(value);
      seenType = true;
    }
  }
}

enum class IconRel { None, Icon, AppleTouch };

IconRel RelKind(std::wstring_view rel) {
  IconRel kind = IconRel::None;
  std::size_t at = 0;
  while (at < rel.size()) {
    while (at < rel.size() && IsHtmlSpace(rel[at])) ++at;
    const std::size_t start = at;
    while (at < rel.size() && !IsHtmlSpace(rel[at])) ++at;
    const std::wstring_view token = rel.substr(start, at - start);
    if (EqualsNoCase(token, L"icon")) return IconRel::Icon;
    if (EqualsNoCase(token, L"apple-touch-icon") || EqualsNoCase(token, L"apple-touch-icon-precomposed"))
      kind = IconRel::AppleTouch;
  }
  return kind;
}

// The tag name that starts at `at`, in ASCII letters and digits.
std::wstring_view TagName(std::wstring_view text, std::size_t at) {
  std::size_t end = at;
  while (end < text.size() && (IsAsciiLetter(text[end]) || IsDigit(text[end]))) ++end;
  return text.substr(at, end - at);
}

bool IsSvg(const LinkTag& link, std::wstring_view url) {
  if (EqualsNoCase(TrimSpaces(link.type), L"image/svg+xml")) return true;
  const std::wstring_view path = url.substr(0, url.find(L'?'));
  return path.size() >= 4 && EqualsNoCase(path.substr(path.size() - 4), L".svg");
}

}  // namespace

std::wstring ResolveHttpUrl(std::wstring_view base, std::wstring_view reference) {
  auto resolved = SplitHttpUrl(CleanReference(base));
  if (!resolved) return {};
  std::wstring ref = CleanReference(reference);
  ref.erase(std::min(ref.find(L'#'), ref.size()));
  if (ref.empty()) return {};

  // A scheme of its own: letters first, then letters, digits, "+", "-" or ".", up to ":".
  std::size_t k = 0;
  while (k < ref.size() && (IsAsciiLetter(ref[k]) || (k > 0 && (IsDigit(ref[k]) || ref[k] == L'+' ||
                                                                 ref[k] == L'-' || ref[k] == L'.'))))
    ++k;
  if (k > 0 && k < ref.size() && ref[k] == L':') {
    auto absolute = SplitHttpUrl(ref);
    return absolute ? Joined(*absolute) : std::wstring();
  }
  if (ref.starts_with(L"//")) {
    auto other = SplitHttpUrl(resolved->scheme + L":" + ref);
    return other ? Joined(*other) : std::wstring();
  }
  const std::size_t question = ref.find(L'?');
  const std::wstring_view refPath = std::wstring_view(ref).substr(0, question);
  const std::wstring refQuery = question == std::wstring::npos ? std::wstring() : ref.substr(question);
  if (refPath.empty()) {
    resolved->query = refQuery;
  } else if (refPath[0] == L'/') {
    resolved->path = std::wstring(refPath);
    resolved->query = refQuery;
  } else {
    resolved->path = resolved->path.substr(0, resolved->path.rfind(L'/') + 1) + std::wstring(refPath);
    resolved->query = refQuery;
  }
  return Joined(*resolved);
}

std::wstring UrlHost(std::wstring_view url) {
  const auto parts = SplitHttpUrl(url);
  if (!parts) return {};
  const std::wstring& authority = parts->authority;
  if (authority[0] == L'[') return authority.substr(0, authority.find(L']') + 1);
  return authority.substr(0, authority.find(L':'));
}

std::wstring IconLinkUrl(std::string_view pageBytes, std::wstring_view pageUrl) {
  if (!SplitHttpUrl(pageUrl)) return {};
  const std::wstring text = DecodeJapaneseText(pageBytes, DetectJapaneseEncoding(pageBytes));
  const std::wstring_view page = text;
  std::wstring appleTouch;
  std::size_t at = 0;
  while ((at = page.find(L'<', at)) != std::wstring_view::npos) {
    if (page.substr(at, 4) == L"<!--") {
      const std::size_t end = page.find(L"-->", at + 4);
      if (end == std::wstring_view::npos) break;
      at = end + 3;
      continue;
    }
    const std::wstring_view name = TagName(page, at + 1);
    at += 1 + name.size();
    if (EqualsNoCase(name, L"script") || EqualsNoCase(name, L"style")) {
      // Markup inside a script or a style sheet is text, not links.
      const std::wstring close = L"</" + std::wstring(name);
      std::size_t end = at;
      while ((end = page.find(L"</", end)) != std::wstring_view::npos &&
             !EqualsNoCase(page.substr(end, close.size()), close))
        end += 2;
      if (end == std::wstring_view::npos) break;
      at = end + 2;
      continue;
    }
    if (!EqualsNoCase(name, L"link") || at >= page.size() ||
        !(IsHtmlSpace(page[at]) || page[at] == L'/' || page[at] == L'>'))
      continue;
    LinkTag link;
    if (!ReadLinkAttributes(page, at, link)) break;
    const IconRel kind = RelKind(link.rel);
    if (kind == IconRel::None || !link.hasHref) continue;
    const std::wstring url = ResolveHttpUrl(pageUrl, link.href);
    if (url.empty() || IsSvg(link, url)) continue;
    if (kind == IconRel::Icon) return url;
    if (appleTouch.empty()) appleTouch = url;
  }
  return appleTouch;
}

std::wstring SiteFaviconUrl(std::wstring_view pageUrl) { return ResolveHttpUrl(pageUrl, L"/favicon.ico"); }

}  // namespace pelmora
