// Any bytes: the UTF-8 check and the decoders stay in bounds and keep their size promises.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const size_t window = size > 0 ? data[size - 1] * 8u : 1024u;
  const bool likely = pelmora::IsLikelyUtf8(bytes, window);
  if (likely && (size < 4 || window < 4)) __builtin_trap();  // two sequences need four bytes
  if (pelmora::DecodeUtf8(bytes, L"?").size() > size) __builtin_trap();
  if (pelmora::DecodeUtf8(bytes, L"").size() > size) __builtin_trap();
  if (pelmora::DecodeUtf8(bytes, L"<?>").size() > 3 * size) __builtin_trap();
  if (pelmora::DecodeUtf8Text(bytes).size() > size) __builtin_trap();
  return 0;
}
