// The title and artist tags of an MP3 file, read from its ID3 tags: bytes in, texts out.
// ID3v2 (versions 2.2, 2.3 and 2.4) is preferred; ID3v1 fills what it lacks.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

struct Mp3Tags {
  std::wstring title;
  std::wstring artist;
};

// Each text is limited to this many bytes of the ANSI code page (Shift-JIS).
inline constexpr std::size_t kMp3TagTextBytes = 128;
// An ID3v2 tag header or footer, and the ID3v1 tag at the end of a file.
inline constexpr std::size_t kId3v2HeaderBytes = 10;
inline constexpr std::size_t kId3v1Bytes = 128;

// Bytes from the start of the file needed to hold its whole ID3v2 tag, given at least its first
// kId3v2HeaderBytes; 0 when the file does not start with a tag.
std::size_t Id3v2TagBytes(std::string_view fileStart);
// Bytes from the end of the file needed to hold an ID3v2 tag appended there (after the audio,
// before any ID3v1 tag), given at least the last kId3v1Bytes + kId3v2HeaderBytes bytes;
// 0 when there is none.
std::size_t AppendedId3v2TagBytes(std::string_view fileEnd);

// The texts of an ID3v2 tag that starts at the first byte of `tag`.
Mp3Tags ParseId3v2(std::string_view tag);
// The texts of an ID3v1 tag held in the last 128 bytes of `fileEnd`.
Mp3Tags ParseId3v1(std::string_view fileEnd);

// The tags of a file of which `fileStart` is the beginning and `fileEnd` the end (the two may
// be the same bytes, or overlap).
Mp3Tags ReadId3Tags(std::string_view fileStart, std::string_view fileEnd);

}  // namespace pelmora
