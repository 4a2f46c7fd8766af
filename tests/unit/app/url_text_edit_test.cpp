#include "app/url_text_edit.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(InsertPiece, ReplacesTheSelectionOrGoesInAtTheCaret) {
  const struct {
    const wchar_t* text;
    std::size_t start, length;
    const wchar_t* piece;
    const wchar_t* result;
    std::size_t caret;
  } cases[] = {
      {L"", 0, 0, L"http://www.", L"http://www.", 11},
      {L"http://www.example", 18, 0, L".co.jp/", L"http://www.example.co.jp/", 25},
      {L"example", 0, 0, L"http://", L"http://example", 7},
      {L"http://old.jp/", 7, 3, L"new", L"http://new.jp/", 10},       // just the selected part
      {L"abc", 0, 3, L"xy", L"xy", 2},                                 // the whole text selected
      {L"abc", 1, 1, L"", L"ac", 1},                                   // an empty (blank) piece removes it
      {L"abc", 9, 4, L"!", L"abc!", 4},                                // a selection past the end is held to it
  };
  for (const auto& c : cases) {
    const EditedText edited = InsertPiece(c.text, c.start, c.length, c.piece);
    EXPECT_EQ(edited.text, c.result) << c.text << " " << c.piece;
    EXPECT_EQ(edited.caret, c.caret) << c.text << " " << c.piece;
  }
}

TEST(FillTemplate, EveryPercentTakesTheWholeText) {
  const struct {
    const wchar_t* pattern;
    const wchar_t* text;
    const wchar_t* result;
  } cases[] = {
      {L"http://www.%.com/", L"example", L"http://www.example.com/"},
      {L"http://www.%.com/", L"", L"http://www..com/"},
      {L"http://%.example/%/", L"a%b", L"http://a%b.example/a%b/"},  // the text's own "%" stays
      {L"no mark", L"x", L"no mark"},
  };
  for (const auto& c : cases) {
    const EditedText edited = FillTemplate(c.pattern, c.text);
    EXPECT_EQ(edited.text, c.result) << c.pattern;
    EXPECT_EQ(edited.caret, edited.text.size()) << c.pattern;
  }
}

}  // namespace
}  // namespace pelmora
