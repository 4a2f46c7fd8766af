// The main window's "open the target" action: Explorer on the target's parent folder with the
// target selected, or the URL in the browser after asking.
#pragma once
#include <windows.h>

#include <string>

#include "url/target_kind.h"

namespace pelmora {

enum class OpenLinkOutcome {
  ExplorerStarted,
  ExplorerFailed,   // the failure was shown
  BrowserOpened,
  BrowserDeclined,  // the user answered No
  InvalidTarget,    // the message was shown; the caller focuses the target field
};

struct OpenLinkResult {
  OpenLinkOutcome outcome;
};

// `targetText` is the target field's text as typed; it is trimmed here. Messages are modal to
// `owner`.
OpenLinkResult OpenLinkTarget(HWND owner, const std::wstring& targetText);

}  // namespace pelmora
