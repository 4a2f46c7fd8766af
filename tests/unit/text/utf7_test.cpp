#include "text/utf7.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

// "😀" is one character where wchar_t holds code points and a surrogate pair where it is UTF-16.
const std::wstring kEmoji = sizeof(wchar_t) == 2 ? std::wstring(L"\xD83D\xDE00", 2) : std::wstring(1, wchar_t(0x1F600));

// The system's own codec is the yardstick for well-formed text (see the internet shortcut tests);
// here, what it cannot show: text beyond the first plane where wchar_t is UTF-32, and odd bytes.
TEST(Utf7, EncodesAsTheSystemWritesUnicodeShortcutValues) {
  const struct {
    std::wstring text;
    std::string bytes;
  } cases[] = {
      {L"http://a.jp/x-y.z?q,r:s'(1) \t", "http://a.jp/x-y.z?q,r:s'(1) \t"},  // all direct
      {L"1+1", "1+-1"},
      {L"日本語-x", "+ZeVnLIqe--x"},  // the run is closed even before a "-"
      {L"a" + kEmoji, "a+2D3eAA-"},
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
      {"+ZeVnLIqe x", L"日本語 x"},  // a byte outside base64 ends a run and stays
      {"+AOk--", L"é-"},             // only the first "-" belongs to the run
      {"+-+-", L"++"},
      {"a+AO", L"a"},                // leftover bits are dropped
      {"\xE9+AOk", L"\xE9\xE9"},     // a byte outside ASCII stands for itself
      {"+2D0-", std::wstring(1, wchar_t(0xD83D))},  // a lone surrogate is kept as it is
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeUtf7(c.bytes), c.text) << c.bytes;
}

}  // namespace
}  // namespace pelmora
