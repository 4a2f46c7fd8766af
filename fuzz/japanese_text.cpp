// Any bytes: recognising the encoding (declared charset included) and decoding to text never
// read out of bounds; decoding never makes more characters than there were bytes.
#include <cstddef>
#include <cstdint>
#include <string>

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
  }
  return 0;
}
