// Slow network work for a window (a page head, a site's icon) on a thread of its own: the thread
// owns its handles from open to close, the window hears of the end by a posted message, and it
// can give the work up at any moment without waiting for a server.
#pragma once
#include <windows.h>

#include <memory>
#include <mutex>

#include "win/handles.h"

namespace pelmora {

// What the window's thread and the threads of one fetch share. Each thread holds it as long as
// it runs, so nothing is freed under a thread the window no longer waits for.
class FetchJob {
 public:
  // When the job ends, however it ends, `message` is posted to `notify` (when given) with `id` as
  // its first parameter; a job given up meanwhile posts nothing.
  FetchJob(HWND notify, UINT message, WPARAM id);
  virtual ~FetchJob() = default;
  FetchJob(const FetchJob&) = delete;
  FetchJob& operator=(const FetchJob&) = delete;

  // The work, on the job's own thread; it looks at Stopped() between steps that may be slow.
  virtual void Run() = 0;

  // Given up or ended: the job keeps nothing more and goes.
  bool Stopped();
  // By the window: the job ends now without a message; its thread stops at its next step.
  void GiveUp();
  // Tells the end once (the message, unless given up): the results are final from here on.
  void End();

  // Guards the results a job keeps (and its own state of ending).
  std::mutex mutex;

 protected:
  // Stopped(), for a caller that holds the mutex: a result kept under the same lock is never
  // added after the end was told.
  bool StoppedHeld() const { return stopped_; }

 private:
  friend bool StartFetchJob(const std::shared_ptr<FetchJob>& job, DWORD deadlineMs);
  HWND notify_;
  UINT message_;
  WPARAM id_;
  win::EventHandle done_;
  bool stopped_ = false;
  bool givenUp_ = false;
  bool ended_ = false;
};

// Runs the job on a thread of its own and ends it when the work is done, or when `deadlineMs`
// have passed: then what it kept so far is its result, and the window hears of it at once while
// the work thread may still be blocked on a server (it lets go when that call returns). False
// when the work could not be started; nothing is posted then.
bool StartFetchJob(const std::shared_ptr<FetchJob>& job, DWORD deadlineMs);

}  // namespace pelmora
