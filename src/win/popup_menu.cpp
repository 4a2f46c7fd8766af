#include "win/popup_menu.h"

namespace pelmora {
namespace {

PopupMenuResponder g_responder;

}  // namespace

void SetPopupMenuResponder(PopupMenuResponder responder) { g_responder = std::move(responder); }

UINT ChooseFromPopupMenu(HMENU menu, HWND owner, POINT screenPoint) {
  if (g_responder) {
    const UINT chosen = g_responder(menu, screenPoint);
    const UINT state = chosen ? GetMenuState(menu, chosen, MF_BYCOMMAND) : static_cast<UINT>(-1);
    if (state == static_cast<UINT>(-1) || (state & (MF_DISABLED | MF_GRAYED | MF_POPUP))) return 0;
    return chosen;
  }
  return static_cast<UINT>(TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD |
                                                      TPM_NONOTIFY,
                                            screenPoint.x, screenPoint.y, owner, nullptr));
}

}  // namespace pelmora
