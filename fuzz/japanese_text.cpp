// Any bytes: recognising the encoding (declared charset included), decoding to text and
// conversion to Shift-JIS never read out of bounds; decoding never makes more characters than
// there were bytes, nor the conversion more bytes; the converter's output holds no NUL.
#include <cstddef>
#include <cstdint>
#include <string>

#include "naming/japanese_text.h"
#include "naming/japanese_text_charset.h"
#include "naming/japanese_text_converter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  using pelmora::JapaneseEncoding;
  (void)pelmora::DeclaredEncoding(bytes);
  (void)pelmora::DetectJapaneseEncoding(bytes);
  for (const JapaneseEncoding e : {JapaneseEncoding::Ascii, JapaneseEncoding::ShiftJis, JapaneseEncoding::EucJp,
                                   JapaneseEncoding::Iso2022Jp, JapaneseEncoding::Utf8, JapaneseEncoding::Utf16Le,
                                   JapaneseEncoding::Utf16Be}) {
    if (pelmora::DecodeJapaneseText(bytes, e).size() > size) __builtin_trap();
    if (pelmora::ConvertToShiftJis(bytes, e).size() > size) __builtin_trap();
  }
  std::string out;
  const size_t count = pelmora::NkfConvertBytes(bytes, out, "s");
  if (count != out.size() || count > 2 * size + 1 || out.find('\0') != std::string::npos) __builtin_trap();
  if (pelmora::ConvertTextBytes(bytes, out) != out.size()) __builtin_trap();
  return 0;
}
