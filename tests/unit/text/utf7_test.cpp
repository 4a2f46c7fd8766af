#include "text/utf7.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

// "😀" is one character where wchar_t holds code points and a surrogate pair where it is UTF-16.
const std::wstring kEmoji = sizeof(wchar_t) == 2 ? std::wstring(L"\xD83D\xDE00", 2) : std::wstring(1, wchar_t(0x1F600));

TEST(Utf7, EncodesAsTheSystemWritesUnicodeShortcutValues) {
  const struct {
    std::wstring text;
    std::string bytes;
  } cases[] = {
      {L"http://example.com/a-b.c?x,y:z'(1)", "http://example.com/a-b.c?x,y:z'(1)"},  // all direct
      {L"a b\tc\r\n", "a b\tc\r\n"},
      {L"1+1", "1+-1"},
      {L"é", "+AOk-"},
      {L"éa", "+AOk-a"},
      {L"日本語-x", "+ZeVnLIqe--x"},  // the run is closed even before a "-"
      {L"~!&=%#_;@\\", "+AH4AIQAmAD0AJQAjAF8AOwBAAFw-"},  // marks outside the direct set join one run
      {L"http://例え.jp/", "http://+T4swSA-.jp/"},
      {L"a" + kEmoji, "a+2D3eAA-"},
      {L"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeUtf7(c.text), c.bytes) << c.bytes;
    EXPECT_EQ(DecodeUtf7(c.bytes), c.text) << c.bytes;
  }
}

TEST(Utf7, DecodesAnyBytesLeniently) {
  const struct {
    std::string bytes;
    std::wstring text;
  } cases[] = {
      {"+ZeVnLIqe", L"日本語"},          // an unclosed run ends with the text
      {"+ZeVnLIqe x", L"日本語 x"},      // any byte outside base64 ends a run and stays
      {"+AOk--", L"é-"},                 // only the first "-" belongs to the run
      {"+", L""},
      {"+-+-", L"++"},
      {"+AO", L""},                      // leftover bits are dropped
      {"a+/", L"a"},
      {"\xE9+AOk", L"\xE9\xE9"},         // a byte outside ASCII stands for itself
      {"+2D0-", std::wstring(1, wchar_t(0xD83D))},  // a lone surrogate is kept as it is
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeUtf7(c.bytes), c.text) << c.bytes;
}

}  // namespace
}  // namespace pelmora
