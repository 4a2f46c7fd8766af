#include "app/tool_button_hover.h"

namespace pelmora {

bool ToolButtonHover::PointerOver(int index, bool usable) {
  // A lit button stays as it is while the pointer moves on it, pushed included.
  if (look_ != ToolButtonLook::Flat || !usable) return false;
  look_ = ToolButtonLook::Raised;
  index_ = index;
  return true;
}

bool ToolButtonHover::Press(int index) {
  if (look_ != ToolButtonLook::Raised || index != index_) return false;
  look_ = ToolButtonLook::Pushed;
  return true;
}

bool ToolButtonHover::Release(int index) {
  // A press that left the button (and so made it flat) is no click, wherever it comes up.
  if (look_ != ToolButtonLook::Pushed || index != index_) return false;
  look_ = ToolButtonLook::Raised;
  return true;
}

bool ToolButtonHover::PointerLeft(int index) {
  if (look_ == ToolButtonLook::Flat || index != index_) return false;
  look_ = ToolButtonLook::Flat;
  index_ = -1;
  return true;
}

}  // namespace pelmora
