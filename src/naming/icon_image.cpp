#include "naming/icon_image.h"

#include <array>

#include "url/url_syntax.h"

namespace pelmora {
namespace {

constexpr std::string_view kPngSignature("\x89PNG\r\n\x1A\n", 8);
constexpr std::size_t kIcoHeader = 6;
constexpr std::size_t kIcoEntry = 16;
constexpr std::size_t kMaxIcoEntries = 256;
constexpr std::size_t kMaxHostCharacters = 64;

std::uint32_t Byte(std::string_view b, std::size_t at) { return static_cast<unsigned char>(b[at]); }
std::uint32_t Le16(std::string_view b, std::size_t at) { return Byte(b, at) | Byte(b, at + 1) << 8; }
std::uint32_t Le32(std::string_view b, std::size_t at) { return Le16(b, at) | Le16(b, at + 2) << 16; }
std::uint32_t Be32(std::string_view b, std::size_t at) {
  return Byte(b, at) << 24 | Byte(b, at + 1) << 16 | Byte(b, at + 2) << 8 | Byte(b, at + 3);
}
std::int32_t SignedLe32(std::string_view b, std::size_t at) { return static_cast<std::int32_t>(Le32(b, at)); }

void PutLe16(std::string& out, std::uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void PutLe32(std::string& out, std::uint32_t v) {
  PutLe16(out, v & 0xFFFF);
  PutLe16(out, v >> 16);
}

std::uint32_t Crc32(std::string_view bytes) {
  static const auto table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xFFFFFFFFu;
  for (const char b : bytes) c = table[(c ^ static_cast<unsigned char>(b)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

struct Size {
  std::uint32_t width = 0, height = 0;
};

bool ValidPngDepth(std::uint32_t colourType, std::uint32_t depth) {
  switch (colourType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2:
    case 4:
    case 6: return depth == 8 || depth == 16;
    default: return false;
  }
}

// The size of a whole, sound PNG (IHDR first and valid, every chunk inside the bytes with its
// checksum right, image data present, IEND reached); nothing otherwise.
bool SoundPng(std::string_view b, Size& size) {
  if (b.size() < kPngSignature.size() + 25 + 12 || b.substr(0, kPngSignature.size()) != kPngSignature) return false;
  std::size_t at = kPngSignature.size();
  bool first = true, imageData = false;
  for (;;) {
    if (b.size() - at < 12) return false;
    const std::uint32_t length = Be32(b, at);
    if (length > b.size() - at - 12) return false;
    const std::string_view type = b.substr(at + 4, 4);
    const std::string_view data = b.substr(at + 8, length);
    if (Crc32(b.substr(at + 4, 4 + length)) != Be32(b, at + 8 + length)) return false;
    if (first) {
      if (type != "IHDR" || length != 13) return false;
      size = {Be32(data, 0), Be32(data, 4)};
      if (size.width == 0 || size.height == 0 || size.width > 0x7FFFFFFF || size.height > 0x7FFFFFFF) return false;
      if (!ValidPngDepth(Byte(data, 9), Byte(data, 8)) || Byte(data, 10) != 0 || Byte(data, 11) != 0 ||
          Byte(data, 12) > 1)
        return false;
      first = false;
    } else if (type == "IDAT") {
      imageData = true;
    } else if (type == "IEND") {
      return imageData;
    }
    at += 12 + length;
  }
}

// An icon's bitmap image: its header (40 bytes or one of the later, longer forms), at most
// 256 × 256, one plane, a bit count an icon uses, and its colour table and pixels inside the
// entry. The mask after them is not insisted on: some icon makers leave it out of 32-bit images.
bool SoundIconBitmap(std::string_view b) {
  if (b.size() < 40) return false;
  const std::uint32_t headerSize = Le32(b, 0);
  if (headerSize != 40 && headerSize != 108 && headerSize != 124) return false;
  const std::int32_t width = SignedLe32(b, 4);
  const std::int32_t doubledHeight = SignedLe32(b, 8);  // the colour image and the mask
  const std::uint32_t planes = Le16(b, 12), bits = Le16(b, 14), compression = Le32(b, 16);
  const std::uint32_t coloursUsed = Le32(b, 32);
  if (width < 1 || width > 256 || doubledHeight < 1 || doubledHeight > 512 || planes != 1) return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  if (compression != 0 && compression != 3) return false;  // plain, or bit fields
  if (bits <= 8 && coloursUsed > (1u << bits)) return false;
  const std::uint64_t colours = bits <= 8 ? (coloursUsed ? coloursUsed : 1u << bits) : 0;
  const std::uint64_t height = (static_cast<std::uint64_t>(doubledHeight) + 1) / 2;
  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
  const std::uint64_t needed = headerSize + colours * 4 + (compression == 3 ? 12 : 0) + stride * height;
  return needed <= b.size();
}

bool SoundIco(std::string_view b) {
  if (b.size() < kIcoHeader + kIcoEntry || Le16(b, 0) != 0 || Le16(b, 2) != 1) return false;
  const std::size_t count = Le16(b, 4);
  if (count == 0 || count > kMaxIcoEntries) return false;
  const std::size_t directoryEnd = kIcoHeader + count * kIcoEntry;
  if (directoryEnd > b.size()) return false;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kIcoHeader + i * kIcoEntry;
    const std::uint64_t bytes = Le32(b, entry + 8), offset = Le32(b, entry + 12);
    if (bytes == 0 || offset < directoryEnd || offset + bytes > b.size()) return false;
    const std::string_view image = b.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(bytes));
    if (image.substr(0, kPngSignature.size()) == kPngSignature) {
      Size size;
      if (!SoundPng(image, size) || size.width > kLargestIconSide || size.height > kLargestIconSide) return false;
    } else if (!SoundIconBitmap(image)) {
      return false;
    }
  }
  return true;
}

bool SaneSide(std::int64_t side) { return side >= 1 && side <= kLargestConvertedSide; }

bool GifHeader(std::string_view b) {
  return b.size() >= 13 && (b.substr(0, 6) == "GIF87a" || b.substr(0, 6) == "GIF89a") && SaneSide(Le16(b, 6)) &&
         SaneSide(Le16(b, 8));
}

bool BmpHeader(std::string_view b) {
  if (b.size() < 14 + 12 || b.substr(0, 2) != "BM") return false;
  const std::uint32_t pixelsAt = Le32(b, 10), headerSize = Le32(b, 14);
  if (pixelsAt >= b.size()) return false;
  if (headerSize == 12) return SaneSide(Le16(b, 18)) && SaneSide(Le16(b, 20));
  if (headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 && headerSize != 124) return false;
  if (b.size() < 14 + 40) return false;
  const std::int64_t height = SignedLe32(b, 22);
  return SaneSide(SignedLe32(b, 18)) && SaneSide(height < 0 ? -height : height);
}

bool JpegStart(std::string_view b) { return b.size() >= 4 && b.substr(0, 3) == "\xFF\xD8\xFF"; }

std::string PngAsIco(std::string_view png, Size size) {
  std::string out;
  PutLe16(out, 0);  // reserved
  PutLe16(out, 1);  // an icon
  PutLe16(out, 1);  // one image
  // Width and height 0 stand for 256.
  out += static_cast<char>(size.width >= 256 ? 0 : size.width);
  out += static_cast<char>(size.height >= 256 ? 0 : size.height);
  out += '\0';     // no palette
  out += '\0';     // reserved
  PutLe16(out, 1);   // planes
  PutLe16(out, 32);  // bits per pixel
  PutLe32(out, static_cast<std::uint32_t>(png.size()));
  PutLe32(out, static_cast<std::uint32_t>(kIcoHeader + kIcoEntry));
  out.append(png);
  return out;
}

}  // namespace

IconImageKind SniffIconImage(std::string_view bytes) {
  if (bytes.size() > kMaxSiteIconBytes) return IconImageKind::None;
  if (bytes.substr(0, kPngSignature.size()) == kPngSignature) {
    Size size;
    return SoundPng(bytes, size) && size.width <= kLargestConvertedSide && size.height <= kLargestConvertedSide
               ? IconImageKind::Png
               : IconImageKind::None;
  }
  if (SoundIco(bytes)) return IconImageKind::Ico;
  if (GifHeader(bytes)) return IconImageKind::Gif;
  if (JpegStart(bytes)) return IconImageKind::Jpeg;
  if (BmpHeader(bytes)) return IconImageKind::Bmp;
  return IconImageKind::None;
}

std::string IconFileBytes(std::string_view image) {
  switch (SniffIconImage(image)) {
    case IconImageKind::Ico: return std::string(image);
    case IconImageKind::Png: {
      Size size;
      SoundPng(image, size);
      if (size.width > kLargestIconSide || size.height > kLargestIconSide) return {};
      return PngAsIco(image, size);
    }
    default: return {};
  }
}

std::uint64_t Fnv1a64(std::string_view bytes) {
  std::uint64_t hash = 0xCBF29CE484222325ull;
  for (const char b : bytes) {
    hash ^= static_cast<unsigned char>(b);
    hash *= 0x100000001B3ull;
  }
  return hash;
}

std::wstring StoredIconName(std::wstring_view host, std::string_view iconFile) {
  std::wstring name;
  for (const wchar_t c : host.substr(0, kMaxHostCharacters)) {
    if ((c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') || c == L'.' || c == L'-')
      name += c;
    else if (c >= L'A' && c <= L'Z')
      name += static_cast<wchar_t>(c - L'A' + L'a');
    else
      name += L'_';
  }
  if (name.empty()) name = L"site";
  if (DeviceNameLength(name) > 0) name.insert(0, 1, L'_');
  static constexpr wchar_t kHex[] = L"0123456789abcdef";
  const std::uint64_t hash = Fnv1a64(iconFile);
  name += L'-';
  for (int shift = 60; shift >= 0; shift -= 4) name += kHex[(hash >> shift) & 0xF];
  return name + L".ico";
}

}  // namespace pelmora
