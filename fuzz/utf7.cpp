// Any bytes decode without harm and to no more characters than bytes; any UTF-16 text (the
// input read as UTF-16 units) survives being written as UTF-7 and read back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/utf7.h"

namespace {

// Program text from UTF-16 units: pairs joined where wchar_t holds code points, lone
// surrogates kept.
std::wstring FromUnits(const uint8_t* data, size_t size) {
  std::wstring text;
  for (size_t i = 0; i + 1 < size; i += 2) {
    const char16_t unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (sizeof(wchar_t) == 4 && !text.empty() && unit >= 0xDC00 && unit <= 0xDFFF && text.back() >= 0xD800 &&
        text.back() <= 0xDBFF) {
      text.back() = static_cast<wchar_t>(0x10000 + ((text.back() - 0xD800) << 10) + (unit - 0xDC00));
    } else {
      text.push_back(static_cast<wchar_t>(unit));
    }
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (pelmora::DecodeUtf7(bytes).size() > size) __builtin_trap();
  const std::wstring text = FromUnits(data, size);
  const std::string encoded = pelmora::EncodeUtf7(text);
  for (const char c : encoded)
    if (static_cast<unsigned char>(c) > 0x7F) __builtin_trap();  // 7-bit text for any INI reader
  if (pelmora::DecodeUtf7(encoded) != text) __builtin_trap();
  return 0;
}
