// Owners of the kernel handles the program opens: each closes its handle when it goes.
#pragma once
#include <windows.h>

namespace pelmora::win {

// A handle closed by `Close`; INVALID_HANDLE_VALUE means none.
template <BOOL(WINAPI* Close)(HANDLE)>
class OwnedHandle {
 public:
  explicit OwnedHandle(HANDLE h) : h_(h) {}
  ~OwnedHandle() {
    if (h_ != INVALID_HANDLE_VALUE && h_ != nullptr) Close(h_);
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

using FileHandle = OwnedHandle<CloseHandle>;
using FindHandle = OwnedHandle<FindClose>;

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
