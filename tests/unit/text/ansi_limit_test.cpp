#include "text/ansi_limit.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(LimitToAnsiBytes, CutsAfterWholeCharacters) {
  const struct {
    std::wstring text;
    std::size_t bytes;
    std::wstring kept;
  } rows[] = {
      {L"aあい", 4, L"aあ"},
      {L"aあい", 5, L"aあい"},
      {L"aあい", 2, L"a"},                       // half a double-byte character is none
      {L"ｱｲｳｴ", 3, L"ｱｲｳ"},                     // half-width katakana are single bytes
      {L"a" + std::wstring(64, L'曲'), 128, L"a" + std::wstring(63, L'曲')},
      {L"short", 128, L"short"},
      {L"", 0, L""},
      {L"abc", 0, L""},
  };
  for (const auto& r : rows) EXPECT_EQ(LimitToAnsiBytes(r.text, r.bytes), r.kept) << r.text << L" " << r.bytes;
}

}  // namespace
}  // namespace pelmora
