// Builds small, real images byte by byte (PNG, ICO with a bitmap image, BMP, GIF) for the
// site-icon tests: any decoder reads them.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora::test {

inline void PutLe(std::string& s, std::uint32_t v, int count) {
  for (int i = 0; i < count; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
inline void PutBe(std::string& s, std::uint32_t v, int count) {
  for (int i = count - 1; i >= 0; --i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

inline std::uint32_t PngCrc(std::string_view bytes) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (const char b : bytes) {
    c ^= static_cast<unsigned char>(b);
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
  }
  return c ^ 0xFFFFFFFFu;
}

inline std::string PngChunk(std::string_view type, std::string_view data) {
  std::string s;
  PutBe(s, static_cast<std::uint32_t>(data.size()), 4);
  std::string body(type);
  body += data;
  s += body;
  PutBe(s, PngCrc(body), 4);
  return s;
}

// A width × height PNG of one opaque colour (8-bit RGBA), its pixels in stored deflate blocks.
inline std::string SolidPng(std::uint32_t width, std::uint32_t height, std::uint32_t rgb = 0x3366CC) {
  std::string raw;
  for (std::uint32_t y = 0; y < height; ++y) {
    raw.push_back('\0');  // no filter
    for (std::uint32_t x = 0; x < width; ++x) {
      raw.push_back(static_cast<char>(rgb >> 16));
      raw.push_back(static_cast<char>(rgb >> 8));
      raw.push_back(static_cast<char>(rgb));
      raw.push_back('\xFF');
    }
  }
  std::string z = "\x78\x01";
  for (std::size_t at = 0; at < raw.size() || at == 0;) {
    const std::size_t n = raw.size() - at < 65535 ? raw.size() - at : 65535;
    z.push_back(at + n == raw.size() ? '\x01' : '\x00');
    PutLe(z, static_cast<std::uint32_t>(n), 2);
    PutLe(z, static_cast<std::uint32_t>(~n & 0xFFFF), 2);
    z.append(raw, at, n);
    at += n;
    if (n == 0) break;
  }
  std::uint32_t a = 1, b = 0;
  for (const char c : raw) {
    a = (a + static_cast<unsigned char>(c)) % 65521;
    b = (b + a) % 65521;
  }
  PutBe(z, b << 16 | a, 4);
  std::string ihdr;
  PutBe(ihdr, width, 4);
  PutBe(ihdr, height, 4);
  ihdr += std::string("\x08\x06\x00\x00\x00", 5);
  return std::string("\x89PNG\r\n\x1A\n", 8) + PngChunk("IHDR", ihdr) + PngChunk("IDAT", z) + PngChunk("IEND", "");
}

// A bitmap image of width × height, 32 bits, as an ICO entry holds it (doubled height, a mask).
inline std::string IconBitmap(std::uint32_t width, std::uint32_t height) {
  std::string s;
  PutLe(s, 40, 4);
  PutLe(s, width, 4);
  PutLe(s, height * 2, 4);
  PutLe(s, 1, 2);
  PutLe(s, 32, 2);
  s.append(24, '\0');
  for (std::uint32_t i = 0; i < width * height; ++i) PutLe(s, 0xFF3366CCu, 4);
  s.append(static_cast<std::size_t>((width + 31) / 32 * 4 * height), '\0');
  return s;
}

// An ICO of the given images, each described by its width and height.
struct IcoImage {
  std::uint32_t width, height;
  std::string bytes;
};
inline std::string Ico(std::initializer_list<IcoImage> images) {
  std::string s;
  PutLe(s, 0, 2);
  PutLe(s, 1, 2);
  PutLe(s, static_cast<std::uint32_t>(images.size()), 2);
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (const IcoImage& image : images) {
    s.push_back(static_cast<char>(image.width & 0xFF));
    s.push_back(static_cast<char>(image.height & 0xFF));
    s.append(2, '\0');
    PutLe(s, 1, 2);
    PutLe(s, 32, 2);
    PutLe(s, static_cast<std::uint32_t>(image.bytes.size()), 4);
    PutLe(s, offset, 4);
    offset += static_cast<std::uint32_t>(image.bytes.size());
  }
  for (const IcoImage& image : images) s += image.bytes;
  return s;
}

// A 24-bit bottom-up BMP file of one colour.
inline std::string SolidBmp(std::uint32_t width, std::uint32_t height) {
  const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
  std::string s = "BM";
  PutLe(s, 54 + stride * height, 4);
  PutLe(s, 0, 4);
  PutLe(s, 54, 4);
  PutLe(s, 40, 4);
  PutLe(s, width, 4);
  PutLe(s, height, 4);
  PutLe(s, 1, 2);
  PutLe(s, 24, 2);
  s.append(24, '\0');
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x) s += "\xCC\x66\x33";
    s.append(stride - width * 3, '\0');
  }
  return s;
}

// The smallest GIF: one white pixel.
inline std::string TinyGif() {
  return std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00\xFF\xFF\xFF\x00\x00\x00"
                     "!\xF9\x04\x01\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02"
                     "D\x01\x00;",
                     43);
}

}  // namespace pelmora::test
