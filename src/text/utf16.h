// UTF-16 byte streams (files with a byte-order mark, ID3 texts) to program text.
#pragma once
#include <string>
#include <string_view>

namespace pelmora {

// Decodes little- or big-endian UTF-16 bytes; an odd last byte is dropped.
std::wstring DecodeUtf16Bytes(std::string_view bytes, bool bigEndian);

}  // namespace pelmora
