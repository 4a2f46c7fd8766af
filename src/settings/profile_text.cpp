#include "settings/profile_text.h"

#include <cstddef>

#include "text/code_page.h"
#include "text/text_rules.h"
#include "text/utf16.h"

namespace pelmora {

namespace {

// What the profile functions take for blanks around names and values (the DOS end-of-file mark
// among them).
bool IsProfileBlank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r') || c == 0x1A; }

std::wstring_view TrimProfileBlanks(std::wstring_view text) {
  std::size_t first = 0;
  while (first < text.size() && IsProfileBlank(text[first])) ++first;
  std::size_t last = text.size();
  while (last > first && IsProfileBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::vector<std::wstring> SplitLines(std::wstring_view text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    while (end < text.size() && text[end] != L'\r' && text[end] != L'\n') ++end;
    lines.emplace_back(text.substr(start, end - start));
    if (end + 1 < text.size() && text[end] == L'\r' && text[end + 1] == L'\n') ++end;
    start = end + 1;
  }
  return lines;
}

// The section a header line names ("[name]", blanks around it and the name ignored); nullopt for
// any other line.
std::optional<std::wstring_view> SectionOfLine(std::wstring_view line) {
  const std::wstring_view trimmed = TrimProfileBlanks(line);
  if (trimmed.empty() || trimmed.front() != L'[') return std::nullopt;
  const std::size_t close = trimmed.rfind(L']');
  if (close == std::wstring_view::npos || close == 0) return std::nullopt;
  return TrimProfileBlanks(trimmed.substr(1, close - 1));
}

// The key of a line: the text before its "=", or the whole line when it has none.
std::wstring_view KeyOfLine(std::wstring_view line) {
  const std::wstring_view trimmed = TrimProfileBlanks(line);
  return TrimProfileBlanks(trimmed.substr(0, trimmed.find(L'=')));
}

// The lines of a section: from after its header to the next header.
struct SectionRange {
  std::size_t header, end;
};

std::size_t NextHeader(const std::vector<std::wstring>& lines, std::size_t from) {
  while (from < lines.size() && !SectionOfLine(lines[from])) ++from;
  return from;
}

std::optional<SectionRange> FindSection(const std::vector<std::wstring>& lines, std::wstring_view name,
                                        std::size_t from = 0) {
  for (std::size_t i = NextHeader(lines, from); i < lines.size(); i = NextHeader(lines, i + 1))
    if (EqualsNoCase(*SectionOfLine(lines[i]), name)) return SectionRange{i, NextHeader(lines, i + 1)};
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<std::wstring>& lines, SectionRange section, std::wstring_view key) {
  for (std::size_t i = section.header + 1; i < section.end; ++i)
    if (EqualsNoCase(KeyOfLine(lines[i]), key)) return i;
  return std::nullopt;
}

void Apply(std::vector<std::wstring>& lines, const ProfileWrite& write) {
  const std::wstring_view section = TrimProfileBlanks(write.section);
  const std::wstring_view key = TrimProfileBlanks(write.key);
  if (key.empty()) return;
  if (!write.value) {
    // The first line with the key in any section of that name goes.
    for (auto range = FindSection(lines, section); range; range = FindSection(lines, section, range->end)) {
      if (const auto line = FindKey(lines, *range, key)) {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*line));
        return;
      }
    }
    return;
  }
  // A value is one line: a line break would start lines (keys, sections) of its own.
  const std::wstring_view whole = *write.value;
  const std::wstring_view value = whole.substr(0, whole.find_first_of(std::wstring_view(L"\r\n\0", 3)));
  const auto range = FindSection(lines, section);
  if (!range) {
    lines.push_back(L"[" + std::wstring(section) + L"]");
    lines.push_back(std::wstring(key) + L"=" + std::wstring(value));
    return;
  }
  if (const auto line = FindKey(lines, *range, key)) {
    lines[*line] = std::wstring(KeyOfLine(lines[*line])) + L"=" + std::wstring(value);
    return;
  }
  // After the section's last line that holds anything: blank lines before the next header stay there.
  std::size_t at = range->header + 1;
  for (std::size_t i = at; i < range->end; ++i)
    if (!TrimProfileBlanks(lines[i]).empty()) at = i + 1;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::wstring(key) + L"=" + std::wstring(value));
}

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
constexpr char kUtf16LeMark[] = "\xFF\xFE";
constexpr char kUtf16BeMark[] = "\xFE\xFF";

}  // namespace

std::wstring ApplyProfileWrites(std::wstring_view text, const ProfileWrites& writes) {
  std::vector<std::wstring> lines = SplitLines(text);
  for (const ProfileWrite& write : writes) Apply(lines, write);
  std::wstring out;
  for (const std::wstring& line : lines) out += line + L"\r\n";
  return out;
}

ProfileFileText DecodeProfileFile(std::string_view bytes) {
  const auto startsWith = [&](std::string_view mark) { return bytes.substr(0, mark.size()) == mark; };
  if (startsWith(kUtf8Mark)) return {DecodeCodePage(65001, bytes.substr(3)), ProfileEncoding::Utf8};
  if (startsWith(kUtf16LeMark)) return {DecodeUtf16Bytes(bytes.substr(2), false), ProfileEncoding::Utf16Le};
  if (startsWith(kUtf16BeMark)) return {DecodeUtf16Bytes(bytes.substr(2), true), ProfileEncoding::Utf16Be};
  return {FromAnsiBytes(bytes), ProfileEncoding::Ansi};
}

std::string EncodeProfileFile(const ProfileFileText& file) {
  switch (file.encoding) {
    case ProfileEncoding::Utf8: return kUtf8Mark + EncodeCodePage(65001, file.text);
    case ProfileEncoding::Utf16Le: return kUtf16LeMark + EncodeUtf16Bytes(file.text, false);
    case ProfileEncoding::Utf16Be: return kUtf16BeMark + EncodeUtf16Bytes(file.text, true);
    case ProfileEncoding::Ansi: break;
  }
  return ToAnsiBytes(file.text);
}

}  // namespace pelmora
