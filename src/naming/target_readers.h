// Readers that look inside a target for a name: web and HTML titles, version information,
// MP3 tags. None of them shows a message; each yields empty text on any failure.
#pragma once
#include <cstddef>
#include <string>

#include "naming/web_title_rules.h"

namespace pelmora {

// The title of a local HTML file; only its first `htmlBuffer` bytes are examined.
std::wstring ReadHtmlTitle(const std::wstring& path, std::size_t htmlBuffer);

// ProductName and FileDescription of an executable; empty when it has none.
struct VersionNames {
  std::wstring ProductName;
  std::wstring FileDescription;
};
VersionNames ReadVersionNames(const std::wstring& path);

// The user's MP3 name pattern ("%A - %T" and the like) filled from the file's tags.
std::wstring ReadMp3Name(const std::wstring& path, const std::wstring& pattern);

}  // namespace pelmora
