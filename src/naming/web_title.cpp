#include "naming/web_title.h"

#include <mutex>

#include "win/system.h"

namespace pelmora {

// What the caller's thread and the threads of one download share. Each thread holds it as long
// as it runs, so nothing is freed under a thread the window no longer waits for.
struct DownloadState {
  std::wstring url;
  FetchLimits limits{};
  HWND notify = nullptr;
  UINT message = 0;
  WPARAM id = 0;
  win::EventHandle done;

  std::mutex mutex;  // guards what follows
  std::string bytes;
  bool stopped = false;  // given up or ended: the download keeps nothing more and goes
  bool givenUp = false;  // by the caller: no message either
  bool ended = false;    // the end was told (event set, message posted)

  bool Stopped() {
    std::lock_guard<std::mutex> lock(mutex);
    return stopped;
  }
  // Adds what a read delivered; false when the download is to go.
  bool Keep(const char* data, std::size_t size) {
    std::lock_guard<std::mutex> lock(mutex);
    if (stopped) return false;
    bytes.append(data, size);
    return true;
  }
  void GiveUp() {
    std::lock_guard<std::mutex> lock(mutex);
    givenUp = true;
    stopped = true;
  }
  // Tells the end once: the bytes are final from here on.
  void End() {
    std::lock_guard<std::mutex> lock(mutex);
    stopped = true;
    if (ended) return;
    ended = true;
    SetEvent(done.get());
    if (!givenUp && notify) PostMessageW(notify, message, id, 0);
  }
};

namespace {

constexpr DWORD kReadChunk = 1024;

// Runs on the download thread alone, which opens and closes every handle here. A step that
// finds the download stopped goes at once; the handles close on the way out, request first.
void Download(DownloadState& d) {
  const InternetHandle session = OpenFetchSession(d.limits);
  if (!session || d.Stopped()) return;
  const InternetHandle request(InternetOpenUrlW(session.get(), d.url.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0));
  if (!request) return;
  std::size_t total = 0;
  char chunk[kReadChunk];
  for (;;) {
    DWORD got = 0;
    const BOOL ok = InternetReadFile(request.get(), chunk, kReadChunk, &got);
    if (got > kReadChunk) got = 0;
    if (!d.Keep(chunk, got)) return;
    total += got;
    if (!DownloadContinues(ok, got, total, d.limits.htmlBuffer)) return;
  }
}

DWORD WINAPI DownloadThread(void* parameter) {
  std::unique_ptr<std::shared_ptr<DownloadState>> owner(static_cast<std::shared_ptr<DownloadState>*>(parameter));
  DownloadState& d = **owner;
  try {
    Download(d);
  } catch (...) {
    // Nothing leaves the thread; what arrived so far is the result.
  }
  d.End();
  return 0;
}

// Ends the download when its time-outs together have passed: what arrived so far is the result,
// and the window hears of it now, while the download thread may still be blocked on the server.
DWORD WINAPI DeadlineThread(void* parameter) {
  std::unique_ptr<std::shared_ptr<DownloadState>> owner(static_cast<std::shared_ptr<DownloadState>*>(parameter));
  DownloadState& d = **owner;
  const DWORD deadline = d.limits.connectTimeOutMs + d.limits.receiveTimeOutMs;
  if (WaitForSingleObject(d.done.get(), deadline) == WAIT_TIMEOUT) d.End();
  return 0;
}

bool StartThread(LPTHREAD_START_ROUTINE routine, const std::shared_ptr<DownloadState>& state) {
  auto* parameter = new std::shared_ptr<DownloadState>(state);
  const win::ThreadHandle thread(CreateThread(nullptr, 0, routine, parameter, 0, nullptr));
  if (!thread) delete parameter;
  return static_cast<bool>(thread);
}

}  // namespace

InternetHandle OpenFetchSession(const FetchLimits& limits) {
  InternetHandle session(InternetOpenW(ProgramBaseName().c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return session;
  DWORD connectMs = limits.connectTimeOutMs;
  DWORD receiveMs = limits.receiveTimeOutMs;
  InternetSetOptionW(session.get(), INTERNET_OPTION_CONNECT_TIMEOUT, &connectMs, sizeof(connectMs));
  InternetSetOptionW(session.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, &receiveMs, sizeof(receiveMs));
  return session;
}

PageDownload::PageDownload(const std::wstring& url, const FetchLimits& limits, HWND notify, UINT message,
                           WPARAM id)
    : state_(std::make_shared<DownloadState>()) {
  state_->url = UrlWithoutFragment(url);  // the fragment is never sent
  state_->limits = limits;
  state_->notify = notify;
  state_->message = message;
  state_->id = id;
  state_->done = win::EventHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (state_->url.empty() || !state_->done || !StartThread(DownloadThread, state_)) {
    state_.reset();
    return;
  }
  if (!StartThread(DeadlineThread, state_)) state_->End();
}

PageDownload::~PageDownload() { GiveUp(); }

bool PageDownload::Started() const { return state_ != nullptr; }

void PageDownload::GiveUp() {
  if (!state_) return;
  state_->GiveUp();
  state_->End();
}

bool PageDownload::Wait(DWORD milliseconds) const {
  return !state_ || WaitForSingleObject(state_->done.get(), milliseconds) == WAIT_OBJECT_0;
}

std::string PageDownload::Bytes() const {
  if (!state_) return {};
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->bytes;
}

std::size_t DownloadPageHead(const std::wstring& url, const FetchLimits& limits, std::string& bytes) {
  bytes.clear();
  const PageDownload download(url, limits);
  if (!download.Started()) return 0;
  // The deadline thread ends the download in time; the wait has a bound of its own all the same.
  download.Wait(limits.connectTimeOutMs + limits.receiveTimeOutMs + 5000);
  bytes = download.Bytes();
  return bytes.size();
}

}  // namespace pelmora
