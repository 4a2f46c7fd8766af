// The parts of reading an executable's version names that need no Windows call.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// Values taking this many ANSI bytes or more (no terminator within the value buffer) end the read.
inline constexpr std::size_t kVersionValueBytes = 128;

// "\StringFileInfo\" key of a translation: language then code page, four upper-case hex digits
// each (0x0411 and 0x04B0 give 041104B0).
std::wstring TranslationKey(std::uint16_t language, std::uint16_t codePage);
// The first entry of a "\VarFileInfo\Translation" table (pairs of 16-bit little-endian values);
// language and code page 0 when the table holds no whole entry.
std::wstring FirstTranslationKey(const void* table, std::size_t tableBytes);

// A string value as read: the text before its first NUL, or nothing when it does not fit the
// value buffer (which ends the read).
std::optional<std::wstring> FitVersionValue(std::wstring_view value);

}  // namespace pelmora
