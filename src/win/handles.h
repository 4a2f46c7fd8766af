// Owners of the handles the program opens: each releases its handle when it goes, and can be
// moved but not copied. A handle that needs only its release function is an Owned<> (the
// registry key and the internet handles too); a class of its own only where more than the
// handle is held (the window a device context goes back to, a mode to restore).
#pragma once
#include <windows.h>
#include <objbase.h>
#include <shtypes.h>

#include <type_traits>
#include <utility>

namespace pelmora::win {

// A handle of type H released by `Release`. A null value means none, and for kernel handles
// INVALID_HANDLE_VALUE too.
template <typename H, auto Release>
class Owned {

 public:
  Owned() = default;
  explicit Owned(H h) : h_(h) {}
  ~Owned() { reset(); }
  Owned(Owned&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      reset();
      h_ = std::exchange(other.h_, nullptr);
    }
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  explicit operator bool() const {
    if constexpr (std::is_same_v<H, HANDLE>) return h_ != nullptr && h_ != INVALID_HANDLE_VALUE;
    return h_ != nullptr;
  }
  H get() const { return h_; }
  // Gives the handle up without releasing it.
  H release() { return std::exchange(h_, nullptr); }
  void reset(H h = nullptr) {
    if (*this) Release(h_);
    h_ = h;
  }

 private:
  H h_ = nullptr;
};

inline void CloseKernelHandle(HANDLE h) { CloseHandle(h); }
inline void CloseFind(HANDLE h) { FindClose(h); }
inline void DestroyIconHandle(HICON h) { DestroyIcon(h); }
inline void Unhook(HHOOK h) { UnhookWindowsHookEx(h); }
inline void FreeItemList(LPITEMIDLIST items) { CoTaskMemFree(items); }
inline void DeleteFontHandle(HFONT font) { DeleteObject(font); }
inline void DestroyMenuHandle(HMENU menu) { DestroyMenu(menu); }

using FileHandle = Owned<HANDLE, CloseKernelHandle>;
using FindHandle = Owned<HANDLE, CloseFind>;
using EventHandle = Owned<HANDLE, CloseKernelHandle>;
using ThreadHandle = Owned<HANDLE, CloseKernelHandle>;
using IconHandle = Owned<HICON, DestroyIconHandle>;
using HookHandle = Owned<HHOOK, Unhook>;
using FontHandle = Owned<HFONT, DeleteFontHandle>;
using MenuHandle = Owned<HMENU, DestroyMenuHandle>;
// A shell item list the shell allocated for the program.
using ItemList = Owned<LPITEMIDLIST, FreeItemList>;

// A window's device context, released when it goes.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// While it lives, a drive that is not ready fails quietly instead of asking for a disk.
class QuietCriticalErrors {
 public:
  QuietCriticalErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_); }
  ~QuietCriticalErrors() { SetThreadErrorMode(previous_, nullptr); }
  QuietCriticalErrors(const QuietCriticalErrors&) = delete;
  QuietCriticalErrors& operator=(const QuietCriticalErrors&) = delete;

 private:
  DWORD previous_ = 0;
};

}  // namespace pelmora::win
