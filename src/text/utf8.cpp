#include "text/utf8.h"

#include "text/utf16.h"

namespace pelmora {

Utf8Step ReadUtf8Unit(std::string_view bytes, std::size_t at) {
  const auto b0 = static_cast<unsigned char>(bytes[at]);
  if (b0 < 0x80) return {Utf8Unit::Ascii, 1, b0};
  std::size_t followers;
  char32_t value;
  unsigned char secondLow = 0x80, secondHigh = 0xBF;  // narrower after some leads: no overlong
  if (b0 >= 0xC2 && b0 <= 0xDF) {                     // forms, surrogates or values past U+10FFFF
    followers = 1;
    value = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    followers = 2;
    value = b0 & 0x0F;
    if (b0 == 0xE0) secondLow = 0xA0;
    if (b0 == 0xED) secondHigh = 0x9F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    followers = 3;
    value = b0 & 0x07;
    if (b0 == 0xF0) secondLow = 0x90;
    if (b0 == 0xF4) secondHigh = 0x8F;
  } else {
    return {Utf8Unit::Invalid, 1, 0};
  }
  for (std::size_t k = 1; k <= followers; ++k) {
    if (at + k >= bytes.size()) return {Utf8Unit::Cut, k, 0};
    const auto b = static_cast<unsigned char>(bytes[at + k]);
    const unsigned char low = k == 1 ? secondLow : 0x80;
    const unsigned char high = k == 1 ? secondHigh : 0xBF;
    if (b < low || b > high) return {Utf8Unit::Invalid, k, 0};
    value = value << 6 | (b & 0x3F);
  }
  return {Utf8Unit::Character, followers + 1, value};
}

std::wstring DecodeUtf8Text(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const Utf8Step step = ReadUtf8Unit(bytes, i);
    if (step.kind == Utf8Unit::Cut) break;
    AppendCodePoint(out, step.kind == Utf8Unit::Invalid ? kReplacementCharacter : step.codePoint);
    i += step.length;
  }
  return out;
}

}  // namespace pelmora
