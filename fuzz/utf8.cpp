// Any bytes: the UTF-8 reader stays in bounds and decodes no more characters than there were
// bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (pelmora::DecodeUtf8Text(bytes).size() > size) __builtin_trap();
  return 0;
}
