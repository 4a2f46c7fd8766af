// The code-page conversions on Windows: MultiByteToWideChar and WideCharToMultiByte.
#include <windows.h>

#include "text/code_page.h"
#include "text/utf16.h"

namespace pelmora {
namespace {

std::wstring FromCodePage(unsigned codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  if (n <= 0) return {};
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
  return out;
}

std::string ToCodePage(unsigned codePage, std::wstring_view text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  if (n <= 0) return {};
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace

std::size_t AnsiByteCount(std::wstring_view text) { return ToCodePage(CP_ACP, text).size(); }
std::string ToAnsiBytes(std::wstring_view text) { return ToCodePage(CP_ACP, text); }
std::wstring FromAnsiBytes(std::string_view bytes) { return FromCodePage(CP_ACP, bytes); }

std::wstring DecodeCodePage(unsigned codePage, std::string_view bytes) {
  if (codePage == 1200 || codePage == 1201) return DecodeUtf16Bytes(bytes, codePage == 1201);
  return FromCodePage(codePage, bytes);
}

std::string EncodeCodePage(unsigned codePage, std::wstring_view text) { return ToCodePage(codePage, text); }

}  // namespace pelmora
