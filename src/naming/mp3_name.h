// A shortcut name from an MP3 file's artist and title, following the user's pattern.
#pragma once
#include <string>
#include <string_view>

namespace pelmora {

// Every "%A" in the pattern (letter case ignored) becomes the artist, then every "%T" the
// title. An empty pattern gives the title alone; a pattern without placeholders, or an artist
// and title both empty, give nothing; so does a result made only of blanks.
std::wstring FormatMp3Name(std::wstring_view pattern, std::wstring_view artist, std::wstring_view title);

}  // namespace pelmora
