// "file,index" icon locations as the registry stores them.
#pragma once
#include <string>
#include <string_view>

namespace pelmora {

struct IconLocation {
  std::wstring file;  // empty when the text is not of the form file,index
  int index = 0;
};

// Exactly one comma; the file trimmed of blanks and of one pair of surrounding quotes; the
// index read as a decimal number from its start (sign and blanks allowed, a fraction rounded).
// Environment references are kept as they are.
IconLocation ParseIconLocation(std::wstring_view text);

}  // namespace pelmora
