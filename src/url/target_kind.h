// The kind of the current target: what the create command makes of it.
#pragma once

namespace pelmora {

enum class TargetKind { Invalid = -1, Folder = 0, File = 1, Url = 2 };

// Folder and File are file-system targets; a shell link is made for them.
constexpr bool IsFileSystemTarget(TargetKind kind) {
  return kind == TargetKind::Folder || kind == TargetKind::File;
}

}  // namespace pelmora
