// Url.ini, the user's table of URL pieces: its default content and the rules by which its
// sections become the four lists of the URL dialog. No file access here; url_table.cpp reads
// and writes the file.
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// Beginnings, domain endings, page names and templates ("caption,template"), in key order.
// A list is never empty: a section that yields nothing is held as one empty entry.
struct UrlTable {
  std::array<std::vector<std::wstring>, 4> lists;
};

inline constexpr std::array<const wchar_t*, 4> kUrlTableSections = {L"URLGroup1", L"URLGroup2", L"URLGroup3",
                                                                     L"URLGroup4"};
// Keys URL1 to URL50 are read; the 51st and later never are.
inline constexpr int kMaxUrlTableKeys = 50;

// The lists of a freshly written Url.ini.
const UrlTable& DefaultUrlTable();

// The whole text of a new Url.ini in Shift-JIS with CRLF lines: six comment lines, then the
// default sections. Without templates it ends after URLGroup3.
std::string DefaultUrlTableBytes(bool withTemplates);

// A section's text as the profile functions hand it over: "key=value" lines, each ended by NUL.
// Entry n is the first key named "URL<n>" (any letter case), read as the profile functions read
// one value (matching enclosing quotes removed, at most 511 ANSI bytes), then trimmed. Reading
// stops at the first missing or blank key, and after URL50; no entry gives one empty entry.
std::vector<std::wstring> ReadUrlList(std::wstring_view sectionText);

// An existing URLGroup4 whose text is empty (missing, or holding no line) gets the default
// templates.
bool LacksTemplates(std::wstring_view sectionText);

// The templates the dialog offers: entries whose first comma is neither missing, nor first,
// nor last; the caption is the text before it, the template everything after it.
struct UrlTemplate {
  std::wstring caption;
  std::wstring pattern;
  bool operator==(const UrlTemplate&) const = default;
};
std::vector<UrlTemplate> OfferedTemplates(const std::vector<std::wstring>& entries);

}  // namespace pelmora
