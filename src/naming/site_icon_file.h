// A site's icon as a file the shell shows: the downloaded image made into an .ico, and kept in
// the program's icons folder.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The .ico for the bytes of a downloaded image: an ICO as it is, a PNG of at most 256 × 256
// wrapped, a GIF, JPEG, BMP or larger PNG converted through the Windows imaging component (and
// scaled down to fit 256 × 256). Empty when the bytes are no image an icon can be made of, or
// the conversion fails. Sets up COM on the calling thread for the conversion when it has none.
std::string SiteIconFile(std::string_view image);

// Where site icons are kept, in the order they are tried: "icons" beside the program, then
// %LOCALAPPDATA%\Pelmora\icons for a program kept where it cannot write.
std::vector<std::wstring> SiteIconFolders();

// Keeps `iconFile` as `name` in the first of `folders` that takes it (created when missing): a
// file of that name holding the same bytes is used as it is; otherwise the bytes go into a
// temporary file in the same folder, which is then renamed, so nobody ever sees half an icon.
// The file's path; empty, with nothing left behind, when no folder takes it.
std::wstring StoreSiteIcon(std::string_view iconFile, const std::wstring& name,
                           const std::vector<std::wstring>& folders);

}  // namespace pelmora
