#include "text/utf8.h"

#include "text/utf16.h"

namespace pelmora {
namespace {

bool IsContinuation(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

// Bytes that follow a lead byte in the old (up to six-byte) UTF-8 forms the check accepts.
std::size_t FollowerCount(unsigned char lead) {
  if (lead <= 0xDF) return 1;
  if (lead <= 0xEF) return 2;
  if (lead <= 0xF7) return 3;
  if (lead <= 0xFB) return 4;
  return 5;
}

}  // namespace

bool IsLikelyUtf8(std::string_view bytes, std::size_t window) {
  if (window == 0 || bytes.empty()) return false;
  const std::size_t n = bytes.size() < window ? bytes.size() : window;
  int sequences = 0;
  std::size_t i = 0;
  while (i < n) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b <= 0x7F || b >= 0xFE) {
      ++i;
      continue;
    }
    if (IsContinuation(b)) return false;
    const std::size_t followers = FollowerCount(b);
    if (i + followers >= n) break;  // cut off by the window: neither counted nor rejected
    for (std::size_t k = 1; k <= followers; ++k) {
      if (!IsContinuation(static_cast<unsigned char>(bytes[i + k]))) return false;
    }
    ++sequences;
    i += followers + 1;
  }
  return sequences >= 2;
}

std::wstring DecodeUtf8(std::string_view bytes, std::wstring_view replacement) {
  std::wstring out;
  out.reserve(bytes.size());
  const std::size_t n = bytes.size();
  auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
  std::size_t i = 0;
  while (i < n) {
    const unsigned b0 = at(i);
    if (b0 <= 0x7F) {
      out.push_back(static_cast<wchar_t>(b0));
      i += 1;
    } else if (b0 >= 0xC2 && b0 <= 0xDF && i + 1 < n && IsContinuation(at(i + 1))) {
      out.push_back(static_cast<wchar_t>(((b0 & 0x1F) << 6) | (at(i + 1) & 0x3F)));
      i += 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF && i + 2 < n && IsContinuation(at(i + 1)) && IsContinuation(at(i + 2))) {
      out.push_back(static_cast<wchar_t>(((b0 & 0x0F) << 12) | ((at(i + 1) & 0x3F) << 6) | (at(i + 2) & 0x3F)));
      i += 3;
    } else {
      out.append(replacement);
      i += 1;
    }
  }
  return out;
}

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
