#include "text/utf7.h"

#include <cstdint>
#include <vector>

namespace pelmora {
namespace {

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The characters the system writes as they are: RFC 2152's set D plus blank, tab, CR and LF.
bool IsDirect(char32_t c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  switch (c) {
    case '\'': case '(': case ')': case ',': case '-': case '.': case '/': case ':': case '?':
    case ' ': case '\t': case '\r': case '\n':
      return true;
    default:
      return false;
  }
}

int Base64Value(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

// The UTF-16 units of one wchar_t: itself where wchar_t is UTF-16, a surrogate pair for a code
// point beyond the first plane where wchar_t is UTF-32 (and U+FFFD beyond Unicode).
void AppendUtf16(std::vector<char16_t>& units, wchar_t c) {
  const auto value = static_cast<std::uint32_t>(c);
  if (value <= 0xFFFF) {
    units.push_back(static_cast<char16_t>(value));
  } else if (value <= 0x10FFFF) {
    units.push_back(static_cast<char16_t>(0xD800 + ((value - 0x10000) >> 10)));
    units.push_back(static_cast<char16_t>(0xDC00 + ((value - 0x10000) & 0x3FF)));
  } else {
    units.push_back(u'\xFFFD');
  }
}

void AppendRun(std::string& out, const std::vector<char16_t>& units) {
  out.push_back('+');
  std::uint32_t bits = 0;
  int count = 0;
  for (const char16_t unit : units) {
    bits = (bits << 16) | unit;
    count += 16;
    while (count >= 6) {
      count -= 6;
      out.push_back(kBase64[(bits >> count) & 0x3F]);
    }
  }
  if (count > 0) out.push_back(kBase64[(bits << (6 - count)) & 0x3F]);
  out.push_back('-');
}

// Collects decoded UTF-16 units into program text.
class TextBuilder {
 public:
  void Unit(char16_t unit) {
    if constexpr (sizeof(wchar_t) == 2) {
      text_.push_back(static_cast<wchar_t>(unit));
    } else {
      if (high_ && unit >= 0xDC00 && unit <= 0xDFFF) {
        text_.push_back(static_cast<wchar_t>(0x10000 + ((high_ - 0xD800) << 10) + (unit - 0xDC00)));
        high_ = 0;
        return;
      }
      FlushHigh();
      if (unit >= 0xD800 && unit <= 0xDBFF)
        high_ = unit;
      else
        text_.push_back(static_cast<wchar_t>(unit));
    }
  }
  void Char(wchar_t c) {
    FlushHigh();
    text_.push_back(c);
  }
  std::wstring Take() {
    FlushHigh();
    return std::move(text_);
  }

 private:
  void FlushHigh() {
    if (high_) text_.push_back(static_cast<wchar_t>(high_));
    high_ = 0;
  }
  std::wstring text_;
  char16_t high_ = 0;
};

}  // namespace

std::string EncodeUtf7(std::wstring_view text) {
  std::string out;
  std::vector<char16_t> run;
  for (const wchar_t c : text) {
    const auto value = static_cast<char32_t>(static_cast<std::uint32_t>(c));
    if (IsDirect(value) || value == '+') {
      if (!run.empty()) {
        AppendRun(out, run);
        run.clear();
      }
      if (value == '+')
        out += "+-";
      else
        out.push_back(static_cast<char>(value));
    } else {
      AppendUtf16(run, c);
    }
  }
  if (!run.empty()) AppendRun(out, run);
  return out;
}

std::wstring DecodeUtf7(std::string_view bytes) {
  TextBuilder text;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c != '+') {
      text.Char(static_cast<wchar_t>(c));
      ++i;
      continue;
    }
    ++i;
    if (i < bytes.size() && bytes[i] == '-') {  // "+-" is the plus sign itself
      text.Char(L'+');
      ++i;
      continue;
    }
    std::uint32_t bits = 0;
    int count = 0;
    for (; i < bytes.size(); ++i) {
      const int value = Base64Value(static_cast<unsigned char>(bytes[i]));
      if (value < 0) break;
      bits = ((bits << 6) | static_cast<std::uint32_t>(value)) & 0x3FFFFF;
      count += 6;
      if (count >= 16) {
        count -= 16;
        text.Unit(static_cast<char16_t>((bits >> count) & 0xFFFF));
      }
    }
    if (i < bytes.size() && bytes[i] == '-') ++i;  // the run's closing mark belongs to the run
  }
  return text.Take();
}

}  // namespace pelmora
