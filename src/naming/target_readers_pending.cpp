// Stand-ins until the readers that look inside targets are built: every reader finds nothing,
// so names fall back to the file name.
#include "naming/target_readers.h"

namespace pelmora {

namespace {
VersionNames g_lastVersion;
}

std::wstring FetchWebTitle(const std::wstring&) { return {}; }
std::wstring ReadHtmlTitle(const std::wstring&) { return {}; }
void ReadVersionNames(const std::wstring&) { g_lastVersion = {}; }
const VersionNames& LastVersionNames() { return g_lastVersion; }
std::wstring ReadMp3Name(const std::wstring&) { return {}; }

}  // namespace pelmora
