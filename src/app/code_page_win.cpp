#include <windows.h>

#include "app/code_page.h"
#include "app/utf16.h"
#include "win/text.h"

namespace pelmora {

std::size_t AnsiByteCount(std::wstring_view text) { return win::ToAnsi(text).size(); }
std::string ToAnsiBytes(std::wstring_view text) { return win::ToAnsi(text); }
std::wstring FromAnsiBytes(std::string_view bytes) { return win::FromAnsi(bytes); }

std::wstring DecodeCodePage(unsigned codePage, std::string_view bytes) {
  if (codePage == 1200 || codePage == 1201) return DecodeUtf16Bytes(bytes, codePage == 1201);
  return win::FromCodePage(codePage, bytes);
}

std::string EncodeCodePage(unsigned codePage, std::wstring_view text) {
  return win::ToCodePage(codePage, text);
}

}  // namespace pelmora
