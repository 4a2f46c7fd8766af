#include "text/utf8.h"

#include <gtest/gtest.h>

#include "text/utf16.h"

namespace pelmora {
namespace {

TEST(DecodeUtf8Text, WellFormedCharactersAndOneReplacementPerIllFormedPart) {
  struct Case {
    const char* what;
    std::string bytes;
    std::wstring text;
  } cases[] = {
      {"one to four bytes", "a\xc3\xa9\xe2\x98\x83\xf0\x9f\x98\x80", L"aé☃😀"},
      {"edges of each length", "\x7f\xc2\x80\xdf\xbf\xe0\xa0\x80\xef\xbf\xbf\xf0\x90\x80\x80\xf4\x8f\xbf\xbf",
       L"\x7f\x80\x7ff\x800\xFFFF\U00010000\U0010FFFF"},
      {"overlong forms", "\xc0\xaf\xc1\xbf\xe0\x9f\xbf\xf0\x8f\xbf\xbf",
       L"\xFFFD\xFFFD\xFFFD\xFFFD\xFFFD\xFFFD\xFFFD\xFFFD\xFFFD\xFFFD\xFFFD"},
      {"surrogates", "\xed\xa0\x80\xed\x9f\xbf", L"\xFFFD\xFFFD\xFFFD\xd7ff"},
      {"beyond U+10FFFF", "\xf4\x90\x80\x80\xf5", L"\xFFFD\xFFFD\xFFFD\xFFFD\xFFFD"},
      {"a broken sequence is one replacement", "\xe6\x97z\xf0\x9f\x98z", L"\xFFFDz\xFFFDz"},
      {"stray continuation", "a\x80\xbfz", L"a\xFFFD\xFFFDz"},
      {"cut at the end: left out", "a\xf0\x9f\x98", L"a"},
      {"lead byte at the end: left out", "a\xe6", L"a"},
      {"NUL kept", std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DecodeUtf8Text(c.bytes), c.text);
  }
}

TEST(DecodeUtf16Bytes, PairsJoinedAndLoneHalvesReplaced) {
  struct Case {
    const char* what;
    std::string bytes;
    bool bigEndian;
    std::wstring text;
  } cases[] = {
      {"little-endian", std::string("a\0\x42\x30", 4), false, L"aあ"},
      {"big-endian", std::string("\0a\x30\x42", 4), true, L"aあ"},
      {"pair", std::string("\x3d\xd8\x00\xde", 4), false, L"😀"},
      {"high half alone", std::string("\x3d\xd8" "a\0", 4), false, L"\xFFFD" L"a"},
      {"low half alone", std::string("\x00\xde" "a\0", 4), false, L"\xFFFD" L"a"},
      {"halves the wrong way round", std::string("\x00\xde\x3d\xd8", 4), false, L"\xFFFD\xFFFD"},
      {"odd last byte dropped", std::string("a\0b", 3), false, L"a"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DecodeUtf16Bytes(c.bytes, c.bigEndian), c.text);
  }
}

}  // namespace
}  // namespace pelmora
