// Data objects as Explorer and browsers hand them to a drop target.
#pragma once
#include <ole2.h>

#include <string>
#include <vector>

namespace pelmora::test {

// A file list (CF_HDROP, wide paths). The caller releases the object.
IDataObject* MakeFileDrop(const std::vector<std::wstring>& files);
// Text as CF_UNICODETEXT, or only as ANSI CF_TEXT (as older browsers offer it).
IDataObject* MakeTextDrop(const std::wstring& text, bool ansiOnly = false);

// Drags the data over `target` and drops it, as OLE would; returns the effect of the drop.
DWORD DropOn(IDropTarget* target, IDataObject* data);

}  // namespace pelmora::test
