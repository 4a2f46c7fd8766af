#include "win/ole.h"

#include <ole2.h>

namespace pelmora {
namespace {
thread_local bool t_started = false;
}

bool EnsureOle() {
  if (t_started) return true;
  // S_FALSE (already started on this thread by someone else) also needs its OleUninitialize.
  t_started = SUCCEEDED(OleInitialize(nullptr));
  return t_started;
}

void EndOle() {
  if (!t_started) return;
  OleUninitialize();
  t_started = false;
}

}  // namespace pelmora
