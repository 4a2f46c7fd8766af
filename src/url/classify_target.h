// ClassifyTarget: what a target text names — a URL, an existing folder, an existing file, or
// nothing the program can make a shortcut for.
#pragma once
#include <string>

#include "url/target_kind.h"

namespace pelmora {

// `text` is the target as the user gave it, already trimmed. Text holding "://" is checked as a
// URL; anything else must name an existing file or folder (hidden and system entries count).
// Never shows a message; the caller keeps the result as the current target's kind.
TargetKind ClassifyTarget(const std::wstring& text);

}  // namespace pelmora
