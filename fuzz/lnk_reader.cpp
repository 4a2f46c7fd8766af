// Any bytes as a .lnk file: the tests' reader must never read out of bounds or hang.
#include <cstddef>
#include <cstdint>
#include <string>

#include "support/lnk_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto lnk = pelmora::test::ReadLnkFile(std::string(reinterpret_cast<const char*>(data), size));
  if (lnk) (void)lnk->TargetPath();
  return 0;
}
