#include "text/utf8.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace pelmora
