#include "text/utf8.h"

#include <gtest/gtest.h>

#include "text/utf16.h"

namespace pelmora {
namespace {

TEST(IsLikelyUtf8, NeedsTwoWellFormedSequencesInTheWindow) {
  const std::string ascii(2000, 'a');
  struct Case {
    const char* what;
    std::string bytes;
    std::size_t window;
    bool utf8;
  } cases[] = {
      {"plain ASCII", "<title>plain</title>", 1024, false},
      {"one two-byte character", "caf\xc3\xa9", 1024, false},
      {"two characters", "caf\xc3\xa9 na\xc3\xafve", 1024, true},
      {"Japanese", "\xe6\x97\xa5\xe6\x9c\xac", 1024, true},
      {"byte-order mark counts as one", "\xef\xbb\xbf" "caf\xc3\xa9", 1024, true},
      {"lone continuation byte", "\xe6\x97\xa5 \x80 \xe6\x9c\xac", 1024, false},
      {"lead byte without follower", "\xe6\x97\xa5\xe6\x9c\xac \xc3 x", 1024, false},
      {"Shift-JIS", "\x93\xfa\x96\x7b\x8c\xea", 1024, false},
      {"EUC-JP", "\xc6\xfc\xcb\xdc\xb8\xec", 1024, false},
      {"FE and FF are skipped", "\xfe\xff\xc3\xa9\xc3\xa9", 1024, true},
      {"old five-byte forms count", "\xf8\x88\x80\x80\x80\xfc\x84\x80\x80\x80\x80", 1024, true},
      {"zero window", "\xc3\xa9\xc3\xa9", 0, false},
      {"empty", "", 1024, false},
      {"beyond the window", ascii + "\xc3\xa9\xc3\xa9", 1024, false},
      {"window shorter than the bytes", "\xc3\xa9\xc3\xa9\x80", 4, true},
      // The second sequence would end at index 4 of a five-byte window: not judged.
      {"cut by the window", "\xc3\xa9\xe6\x97\xa5", 4, false},
      {"cut by the window after two", "\xc3\xa9\xc3\xa9\xe6\x97", 6, true},
      {"an invalid byte after the window", "\xc3\xa9\xc3\xa9\x80", 4, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(IsLikelyUtf8(c.bytes, c.window), c.utf8);
  }
  // A three-byte character straddling index 1024 ends the scan without a verdict on it, even
  // when its follower inside the window is wrong; a fault before it still counts.
  std::string straddling = "\xc3\xa9\xc3\xa9" + std::string(1018, 'a') + "\xe6\x97\xa5";
  EXPECT_TRUE(IsLikelyUtf8(straddling, 1024));
  straddling[1023] = 'x';
  EXPECT_TRUE(IsLikelyUtf8(straddling, 1024));
  straddling[1021] = '\x80';
  EXPECT_FALSE(IsLikelyUtf8(straddling, 1024));
}

TEST(DecodeUtf8, DecodesUpToThreeBytesAndReplacesTheRest) {
  struct Case {
    const char* what;
    std::string bytes;
    std::wstring replacement;
    std::wstring text;
  } cases[] = {
      {"ASCII", "abc", L"?", L"abc"},
      {"two and three bytes", "caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac", L"?", L"café 日本"},
      {"byte-order mark kept", "\xef\xbb\xbfx", L"?", L"\xFEFFx"},
      {"four bytes give four replacements", "a\xf0\x9f\x98\x80z", L"?", L"a????z"},
      {"overlong forms are accepted", "\xe0\x80\xaf", L"?", L"/"},
      {"C0 and C1 are not leads", "\xc0\xaf\xc1\xbf", L"?", L"????"},
      {"stray continuation", "a\x80z", L"?", L"a?z"},
      {"missing follower: examined again", "\xe6\x97z\xc3", L"?", L"??z?"},
      {"empty replacement drops", "a\xff\xfe" "b", L"", L"ab"},
      {"longer replacement", "\xff", L"<?>", L"<?>"},
      {"NUL kept", std::string("a\0b", 3), L"?", std::wstring(L"a\0b", 3)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DecodeUtf8(c.bytes, c.replacement), c.text);
  }
}

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
