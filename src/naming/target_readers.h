// Readers that look inside a target for a name: web and HTML titles, version information,
// MP3 tags. None of them shows a message; each yields empty text on any failure.
#pragma once
#include <string>

namespace pelmora {

// The title of a web page, fetched with the configured buffer size and time-outs.
std::wstring FetchWebTitle(const std::wstring& url);
// The title of a local HTML file.
std::wstring ReadHtmlTitle(const std::wstring& path);

// ProductName and FileDescription of the executable read last; the comment proposal reads
// FileDescription again after naming.
struct VersionNames {
  std::wstring ProductName;
  std::wstring FileDescription;
};
void ReadVersionNames(const std::wstring& path);
const VersionNames& LastVersionNames();

// "%A - %T" and the like, filled from an MP3 file's tags with the configured pattern.
std::wstring ReadMp3Name(const std::wstring& path);

}  // namespace pelmora
