#include "naming/fetch_job.h"

namespace pelmora {
namespace {

struct ThreadStart {
  std::shared_ptr<FetchJob> job;
  DWORD deadlineMs = 0;
  HANDLE done = nullptr;
};

DWORD WINAPI WorkThread(void* parameter) {
  const std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
  try {
    start->job->Run();
  } catch (...) {
    // Nothing leaves the thread; what the job kept so far is its result.
  }
  start->job->End();
  return 0;
}

DWORD WINAPI DeadlineThread(void* parameter) {
  const std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
  if (WaitForSingleObject(start->done, start->deadlineMs) == WAIT_TIMEOUT) start->job->End();
  return 0;
}

bool StartThread(LPTHREAD_START_ROUTINE routine, const std::shared_ptr<FetchJob>& job, DWORD deadlineMs,
                 HANDLE done) {
  auto* parameter = new ThreadStart{job, deadlineMs, done};
  const win::ThreadHandle thread(CreateThread(nullptr, 0, routine, parameter, 0, nullptr));
  if (!thread) delete parameter;
  return static_cast<bool>(thread);
}

}  // namespace

FetchJob::FetchJob(HWND notify, UINT message, WPARAM id)
    : notify_(notify), message_(message), id_(id), done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

bool FetchJob::Stopped() {
  std::lock_guard<std::mutex> lock(mutex);
  return stopped_;
}

void FetchJob::GiveUp() {
  {
    std::lock_guard<std::mutex> lock(mutex);
    givenUp_ = true;
  }
  End();  // which posts nothing now
}

void FetchJob::End() {
  std::lock_guard<std::mutex> lock(mutex);
  stopped_ = true;
  if (ended_) return;
  ended_ = true;
  SetEvent(done_.get());
  if (!givenUp_ && notify_) PostMessageW(notify_, message_, id_, 0);
}

bool StartFetchJob(const std::shared_ptr<FetchJob>& job, DWORD deadlineMs) {
  // The event lives as long as the job, and both threads hold the job.
  if (!job->done_ || !StartThread(WorkThread, job, deadlineMs, job->done_.get())) return false;
  if (!StartThread(DeadlineThread, job, deadlineMs, job->done_.get())) job->End();
  return true;
}

}  // namespace pelmora
