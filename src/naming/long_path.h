// The long form of a path that may hold short (8.3) names, as the file system stores it.
#pragma once
#include <string>

namespace pelmora {

// c:\progra~1\foo\bar.exe gives C:\Program Files\Foo\bar.exe: the root (drive or
// \\SERVER\SHARE) upper-cased, every later component in its stored spelling. A drive alone
// gives its root ("C:" gives "C:\"). Empty when a component does not exist, for a network
// path without share, and for a path holding wildcards.
std::wstring ExpandLongPathName(const std::wstring& path);

}  // namespace pelmora
