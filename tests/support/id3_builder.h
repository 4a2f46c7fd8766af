// Builds ID3 tags byte by byte for the tag reader's tests.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora::test {

inline std::string BigEndianBytes(std::uint32_t v, int count) {
  std::string s;
  for (int i = count - 1; i >= 0; --i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  return s;
}

inline std::string SyncSafeBytes(std::uint32_t v) {
  std::string s;
  for (int i = 3; i >= 0; --i) s.push_back(static_cast<char>((v >> (7 * i)) & 0x7F));
  return s;
}

// UTF-16 code units of Basic Multilingual Plane text.
inline std::string Utf16Bytes(std::wstring_view text, bool bigEndian) {
  std::string s;
  for (const wchar_t c : text) {
    const auto unit = static_cast<std::uint16_t>(c);
    const char hi = static_cast<char>(unit >> 8), lo = static_cast<char>(unit & 0xFF);
    s.push_back(bigEndian ? hi : lo);
    s.push_back(bigEndian ? lo : hi);
  }
  return s;
}

// The unsynchronisation scheme: a zero byte after every FF.
inline std::string Unsynchronise(std::string_view data) {
  std::string s;
  for (const char c : data) {
    s.push_back(c);
    if (static_cast<unsigned char>(c) == 0xFF) s.push_back('\0');
  }
  return s;
}

// A text frame body: the encoding byte, then the text bytes as given.
inline std::string TextData(int encoding, std::string_view bytes) {
  return std::string(1, static_cast<char>(encoding)) + std::string(bytes);
}

inline std::string Frame22(std::string_view id, std::string_view data) {
  return std::string(id) + BigEndianBytes(static_cast<std::uint32_t>(data.size()), 3) + std::string(data);
}
inline std::string Frame23(std::string_view id, std::string_view data, unsigned formatFlags = 0) {
  return std::string(id) + BigEndianBytes(static_cast<std::uint32_t>(data.size()), 4) + std::string(1, '\0') +
         std::string(1, static_cast<char>(formatFlags)) + std::string(data);
}
inline std::string Frame24(std::string_view id, std::string_view data, unsigned formatFlags = 0) {
  return std::string(id) + SyncSafeBytes(static_cast<std::uint32_t>(data.size())) + std::string(1, '\0') +
         std::string(1, static_cast<char>(formatFlags)) + std::string(data);
}

// A whole tag: header, the body (extended header and frames, as given) and, when the footer
// flag is set, the footer.
inline std::string Tag(int version, unsigned flags, std::string_view body) {
  const std::string size = SyncSafeBytes(static_cast<std::uint32_t>(body.size()));
  std::string tag = "ID3" + std::string(1, static_cast<char>(version)) + std::string(1, '\0') +
                    std::string(1, static_cast<char>(flags)) + size + std::string(body);
  if (flags & 0x10) tag += "3DI" + std::string(1, static_cast<char>(version)) + std::string(1, '\0') +
                           std::string(1, static_cast<char>(flags)) + size;
  return tag;
}

// An ID3v1 tag; texts are cut or padded to their 30 bytes with `pad`.
inline std::string Id3v1(std::string_view title, std::string_view artist, char pad = '\0') {
  auto field = [pad](std::string_view s) {
    std::string f(s.substr(0, 30));
    f.resize(30, pad);
    return f;
  };
  std::string tag = "TAG" + field(title) + field(artist) + field("Album") + "2001" + field("comment");
  tag.push_back('\x0C');  // genre
  return tag;
}

}  // namespace pelmora::test
