#include "text/utf16.h"

namespace pelmora {

std::wstring DecodeUtf16Bytes(std::string_view bytes, bool bigEndian) {
  std::wstring out;
  out.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned a = static_cast<unsigned char>(bytes[i]);
    const unsigned b = static_cast<unsigned char>(bytes[i + 1]);
    unsigned unit = bigEndian ? (a << 8 | b) : (b << 8 | a);
    if constexpr (sizeof(wchar_t) == 2) {
      out.push_back(static_cast<wchar_t>(unit));
    } else {
      // Host text is UTF-32: join surrogate pairs, replace lone halves.
      if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
        const unsigned c = static_cast<unsigned char>(bytes[i + 2]);
        const unsigned d = static_cast<unsigned char>(bytes[i + 3]);
        const unsigned low = bigEndian ? (c << 8 | d) : (d << 8 | c);
        if (low >= 0xDC00 && low <= 0xDFFF) {
          out.push_back(static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
          i += 2;
          continue;
        }
      }
      if (unit >= 0xD800 && unit <= 0xDFFF) unit = 0xFFFD;
      out.push_back(static_cast<wchar_t>(unit));
    }
  }
  return out;
}

}  // namespace pelmora
