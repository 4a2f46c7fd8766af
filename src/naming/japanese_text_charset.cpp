#include "naming/japanese_text_charset.h"

#include <string>

namespace pelmora {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

bool StartsWithNoCase(std::string_view s, std::size_t at, std::string_view lowerHead) {
  if (s.size() - at < lowerHead.size()) return false;
  for (std::size_t k = 0; k < lowerHead.size(); ++k) {
    if (Lower(s[at + k]) != lowerHead[k]) return false;
  }
  return true;
}

std::size_t FindNoCase(std::string_view s, std::string_view lowerNeedle, std::size_t from) {
  for (std::size_t i = from; i + lowerNeedle.size() <= s.size(); ++i) {
    if (StartsWithNoCase(s, i, lowerNeedle)) return i;
  }
  return std::string_view::npos;
}

std::size_t SkipBlanks(std::string_view s, std::size_t at) {
  while (at < s.size() && IsBlank(s[at])) ++at;
  return at;
}

// A value after "=": quoted, or up to a blank or one of `stops`. `end` is set just after it.
std::string_view ValueAt(std::string_view s, std::size_t at, std::string_view stops, std::size_t& end) {
  if (at < s.size() && (s[at] == '"' || s[at] == '\'')) {
    const std::size_t close = s.find(s[at], at + 1);
    end = close == std::string_view::npos ? s.size() : close + 1;
    return s.substr(at + 1, (close == std::string_view::npos ? s.size() : close) - at - 1);
  }
  end = at;
  while (end < s.size() && !IsBlank(s[end]) && stops.find(s[end]) == std::string_view::npos) ++end;
  return s.substr(at, end - at);
}

// The value of `name` = value inside `s` (an XML declaration, a content attribute).
std::optional<std::string_view> NamedValue(std::string_view s, std::string_view name, std::string_view stops) {
  for (std::size_t at = FindNoCase(s, name, 0); at != std::string_view::npos; at = FindNoCase(s, name, at + 1)) {
    const std::size_t eq = SkipBlanks(s, at + name.size());
    std::size_t end;
    if (eq < s.size() && s[eq] == '=') return ValueAt(s, SkipBlanks(s, eq + 1), stops, end);
  }
  return std::nullopt;
}

struct MetaTag {
  std::optional<std::string_view> charset;
  bool contentType = false;  // http-equiv="Content-Type"
  std::optional<std::string_view> content;
  std::size_t end = 0;       // just after the tag
};

// The attributes of a <meta ...> tag whose name ends at `at`.
MetaTag ReadMetaTag(std::string_view s, std::size_t at) {
  MetaTag tag;
  while (true) {
    while (at < s.size() && (IsBlank(s[at]) || s[at] == '/')) ++at;
    if (at >= s.size() || s[at] == '>') break;
    const std::size_t nameStart = at;
    while (at < s.size() && !IsBlank(s[at]) && s[at] != '=' && s[at] != '>' && s[at] != '/') ++at;
    std::string name(s.substr(nameStart, at - nameStart));
    for (char& c : name) c = Lower(c);
    at = SkipBlanks(s, at);
    std::string_view value;
    if (at < s.size() && s[at] == '=') {
      value = ValueAt(s, SkipBlanks(s, at + 1), ">", at);
    }
    if (name == "charset" && !tag.charset) tag.charset = value;
    if (name == "http-equiv") tag.contentType = value.size() == 12 && StartsWithNoCase(value, 0, "content-type");
    if (name == "content" && !tag.content) tag.content = value;
  }
  tag.end = at < s.size() ? at + 1 : s.size();
  return tag;
}

}  // namespace

std::optional<JapaneseEncoding> EncodingOfCharsetName(std::string_view name) {
  while (!name.empty() && IsBlank(name.front())) name.remove_prefix(1);
  while (!name.empty() && IsBlank(name.back())) name.remove_suffix(1);
  struct Known {
    std::string_view name;
    JapaneseEncoding encoding;
  };
  static constexpr Known kNames[] = {
      {"shift_jis", JapaneseEncoding::ShiftJis},   {"shift-jis", JapaneseEncoding::ShiftJis},
      {"sjis", JapaneseEncoding::ShiftJis},        {"x-sjis", JapaneseEncoding::ShiftJis},
      {"ms_kanji", JapaneseEncoding::ShiftJis},    {"csshiftjis", JapaneseEncoding::ShiftJis},
      {"windows-31j", JapaneseEncoding::ShiftJis}, {"cp932", JapaneseEncoding::ShiftJis},
      {"ms932", JapaneseEncoding::ShiftJis},       {"x-ms-cp932", JapaneseEncoding::ShiftJis},
      {"euc-jp", JapaneseEncoding::EucJp},         {"x-euc-jp", JapaneseEncoding::EucJp},
      {"eucjp", JapaneseEncoding::EucJp},          {"euc_jp", JapaneseEncoding::EucJp},
      {"cseucpkdfmtjapanese", JapaneseEncoding::EucJp},
      {"iso-2022-jp", JapaneseEncoding::Iso2022Jp}, {"csiso2022jp", JapaneseEncoding::Iso2022Jp},
      {"utf-8", JapaneseEncoding::Utf8},           {"utf8", JapaneseEncoding::Utf8},
      {"unicode-1-1-utf-8", JapaneseEncoding::Utf8},
  };
  for (const Known& known : kNames) {
    if (name.size() == known.name.size() && StartsWithNoCase(name, 0, known.name)) return known.encoding;
  }
  return std::nullopt;
}

std::optional<JapaneseEncoding> DeclaredEncoding(std::string_view page) {
  if (StartsWithNoCase(page, 0, "<?xml")) {
    const std::size_t close = page.find("?>");
    const std::string_view declaration = page.substr(0, close);
    if (const auto name = NamedValue(declaration, "encoding", "?")) return EncodingOfCharsetName(*name);
  }
  std::size_t at = 0;
  while ((at = page.find('<', at)) != std::string_view::npos) {
    if (page.substr(at, 4) == "<!--") {
      const std::size_t close = page.find("-->", at + 4);
      if (close == std::string_view::npos) break;
      at = close + 3;
      continue;
    }
    if (!StartsWithNoCase(page, at, "<meta") || at + 5 >= page.size() ||
        !(IsBlank(page[at + 5]) || page[at + 5] == '/')) {
      ++at;
      continue;
    }
    const MetaTag tag = ReadMetaTag(page, at + 5);
    if (tag.charset) return EncodingOfCharsetName(*tag.charset);
    if (tag.contentType && tag.content) {
      if (const auto name = NamedValue(*tag.content, "charset", ";")) return EncodingOfCharsetName(*name);
    }
    at = tag.end;
  }
  return std::nullopt;
}

}  // namespace pelmora
