// The encoding a page names for itself, read from its bytes before anything is decoded.
#pragma once
#include <optional>
#include <string_view>

#include "naming/japanese_text_converter.h"

namespace pelmora {

// The charset of the XML declaration at the start of the page, else of the first
// <meta charset=...> or <meta http-equiv="Content-Type" content="...; charset=..."> (comments
// are skipped). Nothing when the page names none, or names one the reader does not know. A page
// whose markup can be read byte by byte is not in UTF-16, whatever it says: that name counts
// for nothing.
std::optional<JapaneseEncoding> DeclaredEncoding(std::string_view page);

// The encoding a charset name stands for (letter case and surrounding blanks ignored).
std::optional<JapaneseEncoding> EncodingOfCharsetName(std::string_view name);

}  // namespace pelmora
