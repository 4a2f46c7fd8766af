// Host stand-in for the Windows code-page functions, so the portable rules run natively.
// The host has no system ANSI code page; Pelmora's is 932.
#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "text/code_page.h"
#include "text/utf16.h"

namespace pelmora {
namespace {

const char* IconvName(unsigned codePage) {
  switch (codePage) {
    case 932: return "CP932";
    case 20932: return "EUC-JP";
    case 51932: return "EUC-JP";
    case 65000: return "UTF-7";
    case 65001: return "UTF-8";
    case 1252: return "CP1252";
    default: return nullptr;
  }
}

// Converts with iconv; an unconvertible input character becomes one default character, like
// the Windows functions do. Towards a code page the default goes through the converter, so
// that a code page with shift states (UTF-7) stays well-formed around it.
std::string Convert(const char* to, const char* from, std::string_view in, std::string_view fallbackIn,
                    std::string_view fallbackOut) {
  std::string out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return out;
  std::string buffer(in.size() * 4 + 16, '\0');
  // False at input it cannot convert; null input closes the last shift state.
  const auto feed = [&](char** src, size_t* srcLeft) {
    for (;;) {
      char* dst = buffer.data();
      size_t dstLeft = buffer.size();
      const size_t r = iconv(cd, src, srcLeft, &dst, &dstLeft);
      out.append(buffer.data(), buffer.size() - dstLeft);
      if (r != static_cast<size_t>(-1)) return true;
      if (errno != E2BIG) return false;
    }
  };
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  const size_t unit = std::strcmp(from, "WCHAR_T") == 0 ? sizeof(wchar_t) : 1;
  while (!feed(&src, &srcLeft) && srcLeft >= unit) {
    src += unit;
    srcLeft -= unit;
    std::string fallback(fallbackIn);
    char* fallbackSrc = fallback.data();
    size_t fallbackLeft = fallback.size();
    feed(&fallbackSrc, &fallbackLeft);
    out.append(fallbackOut);
  }
  feed(nullptr, nullptr);
  iconv_close(cd);
  return out;
}

std::string WideBytes(std::wstring_view text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

std::wstring FromWideBytes(const std::string& bytes) {
  std::wstring out(bytes.size() / sizeof(wchar_t), L'\0');
  std::memcpy(out.data(), bytes.data(), out.size() * sizeof(wchar_t));
  return out;
}

}  // namespace

std::string EncodeCodePage(unsigned codePage, std::wstring_view text) {
  const char* name = IconvName(codePage);
  if (!name || text.empty()) return {};
  return Convert(name, "WCHAR_T", WideBytes(text), WideBytes(L"?"), "");
}

std::wstring DecodeCodePage(unsigned codePage, std::string_view bytes) {
  if (codePage == 1200 || codePage == 1201) return DecodeUtf16Bytes(bytes, codePage == 1201);
  const char* name = IconvName(codePage);
  if (!name || bytes.empty()) return {};
  const wchar_t replacement = codePage == 65001 || codePage == kUtf7 ? L'\xFFFD' : L'\x30FB';
  return FromWideBytes(Convert("WCHAR_T", name, bytes, "", WideBytes(std::wstring_view(&replacement, 1))));
}

std::size_t AnsiByteCount(std::wstring_view text) { return EncodeCodePage(kShiftJis, text).size(); }
std::string ToAnsiBytes(std::wstring_view text) { return EncodeCodePage(kShiftJis, text); }
std::wstring FromAnsiBytes(std::string_view bytes) { return DecodeCodePage(kShiftJis, bytes); }

}  // namespace pelmora
