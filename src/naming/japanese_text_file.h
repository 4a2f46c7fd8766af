// The Shift-JIS copy of a text file that the title reader works on.
#pragma once
#include <string>

namespace pelmora {

// Converts the file into "~pelm.tmp" in the temporary folder. `convertedPath` is set to that
// path before anything is read, so the caller can always delete it afterwards. True only when a
// non-empty converted copy was written.
bool ConvertTextFile(const std::wstring& inputPath, std::wstring& convertedPath);

}  // namespace pelmora
