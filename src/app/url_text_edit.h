// How the URL dialog edits its text when a piece or a template is picked: plain text rules,
// apart from the window.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

struct EditedText {
  std::wstring text;
  std::size_t caret = 0;
};

// The selection (from `selStart`, `selLength` characters) replaced by the piece; with nothing
// selected the piece goes in at the caret. The caret ends right after the piece. A selection
// reaching past the text is held to it.
EditedText InsertPiece(std::wstring_view text, std::size_t selStart, std::size_t selLength, std::wstring_view piece);

// The template with every "%" replaced by the whole text; the caret at its end.
EditedText FillTemplate(std::wstring_view pattern, std::wstring_view text);

}  // namespace pelmora
