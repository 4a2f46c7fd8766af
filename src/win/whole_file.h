// Whole files, read and replaced so that a reader sees the old file or the new one, never part
// of each; another program holding the file for a moment (a reader, a virus scanner) is waited
// for a few times before either gives up.
#pragma once
#include <optional>
#include <string>

namespace pelmora {

// The whole file (at most 64 MiB), or nullopt when it exists but cannot be read; a missing file
// reads as empty.
std::optional<std::string> ReadWholeFile(const std::wstring& path);

// Puts `bytes` in the place of the file at `path` in one step: they are written to a new file
// beside it (named after it and this process, so that programs writing at the same moment never
// share one, and on the disk before anything is replaced), which then takes its place; of two
// programs replacing at once the last wins whole. False when the file was left as it was (a
// read-only file among the reasons); no new file is left behind then.
bool ReplaceWholeFile(const std::wstring& path, const std::string& bytes);

}  // namespace pelmora
