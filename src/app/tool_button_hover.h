// How the row of tool buttons looks under the pointer: flat until the pointer rests on a button
// that may be used, raised while it does, pushed while the left button is held on it. One state
// serves the whole row, since the pointer is over one button at a time.
#pragma once

namespace pelmora {

enum class ToolButtonLook { Flat, Raised, Pushed };

class ToolButtonHover {
 public:
  // The pointer moved over button `index`; `usable` says whether the button may light up now.
  // True when the button's look changed.
  bool PointerOver(int index, bool usable);
  // The left button went down on button `index`. True when the button's look changed.
  bool Press(int index);
  // The left button came up on button `index`. True when that completes a click: the button
  // was pushed (it is raised again), and its action is due.
  bool Release(int index);
  // The pointer left button `index`. True when the button's look changed.
  bool PointerLeft(int index);

  ToolButtonLook LookOf(int index) const { return index == index_ ? look_ : ToolButtonLook::Flat; }
  // The raised or pushed button, or -1.
  int Lit() const { return look_ == ToolButtonLook::Flat ? -1 : index_; }

 private:
  ToolButtonLook look_ = ToolButtonLook::Flat;
  int index_ = -1;
};

}  // namespace pelmora
