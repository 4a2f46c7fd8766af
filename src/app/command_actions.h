// The two window-less command-line actions. Both end the process on every path.
#pragma once
#include <string>

namespace pelmora {

// /LNK: opens the folder of a shortcut's target with the target selected. `argument` is the
// text after "/LNK" and its separator.
[[noreturn]] void RunLnkCommand(const std::wstring& argument);
// /AUTO: writes an internet shortcut without a window. `argument` is everything after "/AUTO".
[[noreturn]] void RunAutoCommand(const std::wstring& argument);

}  // namespace pelmora
