// What the main window takes from dropped data.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "url/target_kind.h"

namespace pelmora {

// True for an item inside a recycle bin: ":\recycler\" or ":\recycled\" right after the
// drive letter, or a "\$Recycle.Bin\" folder anywhere in the path (letter case ignored).
bool IsInRecycleBin(std::wstring_view path);

// The files a dropped file list offers as targets: all but those in a recycle bin, in order.
std::vector<std::wstring> DroppedFileTargets(const std::vector<std::wstring>& files);

// Dropped text becomes a target only when, cut at its first NUL and trimmed of blanks, it
// classifies as a URL; the result is that trimmed URL.
std::optional<std::wstring> DroppedTextTarget(std::wstring_view text,
                                              const std::function<TargetKind(const std::wstring&)>& classify);

}  // namespace pelmora
