// What an image downloaded as a site's icon is, and the .ico file the program keeps of it:
// bytes in, bytes and names out.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora {

// A site's icon larger than this is no icon: no favicon needs more, and a server that sends
// more is not sending one.
inline constexpr std::size_t kMaxSiteIconBytes = 512 * 1024;
// A picture converted into an icon may be at most this wide and high: decoding a larger one
// costs memory out of all proportion to what an icon shows.
inline constexpr std::uint32_t kLargestConvertedSide = 2048;
// An icon image is at most 256 × 256; a larger picture is scaled down to fit.
inline constexpr std::uint32_t kLargestIconSide = 256;

enum class IconImageKind { None, Ico, Png, Gif, Jpeg, Bmp };

// What the bytes are, by their own signature and header, whatever the server called them. An
// ICO counts only when its directory is sound (type icon, 1 to 256 entries, each entry inside
// the file and holding a sound PNG or bitmap of at most 256 × 256), a PNG only when it is whole
// (IHDR first, every chunk inside the file with its checksum right, IEND reached) and at most
// kLargestConvertedSide on each side; GIF and BMP by their headers, JPEG by its start. SVG, an
// HTML error page, a truncated or corrupt image and anything else are None.
IconImageKind SniffIconImage(std::string_view bytes);

// The .ico file kept for an image that needs no converting: an ICO as it is, a PNG of at most
// 256 × 256 as the single PNG-compressed image of an ICO. Empty for anything else: a GIF, JPEG,
// BMP or larger PNG is first converted into a PNG that fits, what SniffIconImage refuses is no
// icon.
std::string IconFileBytes(std::string_view image);

// 64-bit FNV-1a of the bytes.
std::uint64_t Fnv1a64(std::string_view bytes);

// The name the icon file is kept under: the site's host (lower case, letters, digits, "." and
// "-" only, others "_", at most 64 characters; "site" when nothing is left) and the 16 hex
// digits of Fnv1a64 of the file, then ".ico". The same icon of a site is so kept once, and a
// changed icon gets a name of its own. A name Windows would take for a device ("nul.x-...")
// starts with "_".
std::wstring StoredIconName(std::wstring_view host, std::string_view iconFile);

}  // namespace pelmora
