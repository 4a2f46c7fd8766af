// The floor: Pelmora's own main-window dialog shown by a dialog procedure that does nothing.
// Whatever the main window costs beyond this is Pelmora's.
#include "floor_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  HWND hwnd = bench::CreateFloorDialog(instance);
  if (!hwnd) return 1;
  ShowWindow(hwnd, show);
  return bench::RunDialogLoop(hwnd);
}
