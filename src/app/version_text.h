// The program's version as the About box shows it.
#pragma once
#include <string>

namespace pelmora {

// Major, ".", the minor number with at least two digits, and "." with the revision only when
// there is one: 2.9 shows as "2.09", 2.9 with revision 3 as "2.09.3".
std::wstring VersionText(unsigned major, unsigned minor, unsigned revision);

}  // namespace pelmora
