// What the file picker's buffer holds once the person chose.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The chosen files: with several, the buffer holds their folder and then each file's name, each
// ended by a NUL and the list by a second NUL; with one, its full path. Empty for an empty buffer.
std::vector<std::wstring> PickedFiles(std::wstring_view buffer);

}  // namespace pelmora
