// The parts of reading an executable's version names that need no Windows call.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// Values taking this many ANSI bytes or more (no terminator within the value buffer) end the read.
inline constexpr std::size_t kVersionValueBytes = 128;

// A string value as read: the text before its first NUL, or nothing when it does not fit the
// value buffer (which ends the read).
std::optional<std::wstring> FitVersionValue(std::wstring_view value);

}  // namespace pelmora
