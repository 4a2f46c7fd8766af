#include "naming/mp3_name.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(FormatMp3Name, PatternsPlaceholdersAndBlanks) {
  struct Case {
    const wchar_t* pattern;
    const wchar_t* artist;
    const wchar_t* title;
    const wchar_t* name;
  } cases[] = {
      {L"%A - %T", L"Band", L"Song", L"Band - Song"},
      {L"%A - %T", L"", L"Song", L" - Song"},  // the pattern's own text stays
      {L"%t by %a", L"Band", L"Song", L"Song by Band"},
      {L"%A", L"", L"Song", L""},
      {L"music", L"Band", L"Song", L""},
      {L"", L"Band", L"Song", L"Song"},
      {L"", L"Band", L"", L""},
      {L"%A - %T", L"", L"", L""},
      {L"%A", L"   ", L"Song", L""},  // only blanks
      {L"%A - %T", L"Band %T", L"Song", L"Band Song - Song"},  // the artist is put in first
      {L"%T%T (%a)", L"アーティスト", L"曲", L"曲曲 (アーティスト)"},
      {L"100% %T", L"", L"Song", L"100% Song"},
      {L"%T ", L"", L"Song", L"Song "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "pattern #" << (&c - cases));
    EXPECT_EQ(FormatMp3Name(c.pattern, c.artist, c.title), c.name);
  }
}

}  // namespace
}  // namespace pelmora
