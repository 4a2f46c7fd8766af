// The label of a drive, asked of the file system.
#pragma once
#include <string>

namespace pelmora {

// The volume label of the drive root (C:\ or C:), trimmed of blanks; empty when the drive
// cannot be asked or has no label.
std::wstring VolumeLabelOf(const std::wstring& root);

}  // namespace pelmora
