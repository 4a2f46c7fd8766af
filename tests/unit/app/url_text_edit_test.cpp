#include "app/url_text_edit.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

// The dialog's own test drives these through the window; here, the edges it does not reach.
TEST(UrlTextEdit, PiecesAndTemplates) {
  const struct {
    EditedText edited;
    const wchar_t* text;
    std::size_t caret;
  } cases[] = {
      {InsertPiece(L"http://old.jp/", 7, 3, L"new"), L"http://new.jp/", 10},  // just the selected part
      {InsertPiece(L"abc", 1, 1, L""), L"ac", 1},                           // a blank piece removes it
      {InsertPiece(L"abc", 9, 4, L"!"), L"abc!", 4},                        // held to the text
      {FillTemplate(L"http://%.example/%/", L"a%b"), L"http://a%b.example/a%b/", 23},
      {FillTemplate(L"http://www.%.com/", L""), L"http://www..com/", 16},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.edited.text, c.text);
    EXPECT_EQ(c.edited.caret, c.caret) << c.text;
  }
}

}  // namespace
}  // namespace pelmora
