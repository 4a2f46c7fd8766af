#include "text/utf16.h"

namespace pelmora {
namespace {

bool IsHighSurrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(unsigned unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

void AppendCodePoint(std::wstring& text, char32_t codePoint) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (codePoint >= 0x10000) {
      const char32_t v = codePoint - 0x10000;
      text.push_back(static_cast<wchar_t>(0xD800 + (v >> 10)));
      text.push_back(static_cast<wchar_t>(0xDC00 + (v & 0x3FF)));
      return;
    }
  }
  text.push_back(static_cast<wchar_t>(codePoint));
}

std::string EncodeUtf16Bytes(std::wstring_view text, bool bigEndian) {
  std::string out;
  out.reserve(text.size() * 2);
  const auto unit = [&](char32_t u) {
    const char high = static_cast<char>((u >> 8) & 0xFF), low = static_cast<char>(u & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
  };
  for (const wchar_t c : text) {
    const char32_t point = static_cast<char32_t>(c);
    if (point > 0xFFFF) {
      unit(0xD800 + ((point - 0x10000) >> 10));
      unit(0xDC00 + ((point - 0x10000) & 0x3FF));
    } else {
      unit(point);
    }
  }
  return out;
}

std::wstring DecodeUtf16Bytes(std::string_view bytes, bool bigEndian) {
  std::wstring out;
  out.reserve(bytes.size() / 2);
  auto unitAt = [&](std::size_t i) {
    const unsigned a = static_cast<unsigned char>(bytes[i]);
    const unsigned b = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (a << 8 | b) : (b << 8 | a);
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned unit = unitAt(i);
    if (IsHighSurrogate(unit) && i + 3 < bytes.size() && IsLowSurrogate(unitAt(i + 2))) {
      AppendCodePoint(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
      i += 2;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      AppendCodePoint(out, kReplacementCharacter);
    } else {
      out.push_back(static_cast<wchar_t>(unit));
    }
  }
  return out;
}

}  // namespace pelmora
