// Opening an MP3 file for its tags.
#pragma once
#include <string>

#include "naming/id3_tags.h"

namespace pelmora {

// False when the file cannot be opened or read; a file without tags gives true and empty texts.
bool OpenMp3Tags(const std::wstring& path, Mp3Tags& tags);

}  // namespace pelmora
