// While a modal dialog of the program is open, nothing may be dropped on the main window: the
// drop would change the form under the dialog.
#pragma once
#include <functional>
#include <utility>

namespace pelmora {

// Switches drops off when made and back on when it goes, on every way out. `setDropsEnabled` is
// the main window's switch (its drop target's SetEnabled); an empty one does nothing.
class DropsOffWhileOpen {
 public:
  explicit DropsOffWhileOpen(std::function<void(bool)> setDropsEnabled) : set_(std::move(setDropsEnabled)) {
    if (set_) set_(false);
  }
  ~DropsOffWhileOpen() {
    if (set_) set_(true);
  }
  DropsOffWhileOpen(const DropsOffWhileOpen&) = delete;
  DropsOffWhileOpen& operator=(const DropsOffWhileOpen&) = delete;

 private:
  std::function<void(bool)> set_;
};

}  // namespace pelmora
