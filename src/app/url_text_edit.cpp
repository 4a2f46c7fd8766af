#include "app/url_text_edit.h"

#include <algorithm>

namespace pelmora {

EditedText InsertPiece(std::wstring_view text, std::size_t selStart, std::size_t selLength, std::wstring_view piece) {
  const std::size_t start = std::min(selStart, text.size());
  const std::size_t end = start + std::min(selLength, text.size() - start);
  EditedText out;
  out.text.reserve(text.size() - (end - start) + piece.size());
  out.text.append(text.substr(0, start)).append(piece).append(text.substr(end));
  out.caret = start + piece.size();
  return out;
}

EditedText FillTemplate(std::wstring_view pattern, std::wstring_view text) {
  EditedText out;
  for (const wchar_t c : pattern) {
    if (c == L'%')
      out.text.append(text);
    else
      out.text.push_back(c);
  }
  out.caret = out.text.size();
  return out;
}

}  // namespace pelmora
