#include "naming/web_title.h"

#include <wininet.h>

#include <algorithm>
#include <mutex>
#include <vector>

#include "win/handles.h"
#include "win/system.h"

namespace pelmora {

// What the caller's thread and the threads of one download share.
struct DownloadState {
  std::wstring url;
  std::wstring agent;
  FetchLimits limits{};
  HWND notify = nullptr;
  UINT message = 0;
  WPARAM id = 0;
  win::EventHandle done;

  std::mutex mutex;  // guards what follows
  std::string bytes;
  std::vector<HINTERNET> open;  // handles the download holds open
  bool closed = false;           // by the caller or by the deadline: no more calls
  bool givenUp = false;          // by the caller: no message either
  bool ended = false;            // the end was told (event set, message posted)

  // Closes every handle the download holds: a call blocked on one of them returns at once.
  // Must be called with `mutex` held.
  void CloseAll() {
    closed = true;
    for (HINTERNET h : open) InternetCloseHandle(h);
    open.clear();
  }
  void GiveUp() {
    std::lock_guard<std::mutex> lock(mutex);
    givenUp = true;
    CloseAll();
  }
  // Tells the end once: the bytes are final from here on.
  void End() {
    std::lock_guard<std::mutex> lock(mutex);
    closed = true;
    if (ended) return;
    ended = true;
    SetEvent(done.get());
    if (!givenUp && notify) PostMessageW(notify, message, id, 0);
  }
};

namespace {

constexpr DWORD kReadChunk = 1024;

// An internet handle of the download thread. It is closed here unless the caller has closed it
// already (by giving the download up); before each use the thread asks whether it still holds it.
class InternetHandle {
 public:
  InternetHandle(DownloadState& state, HINTERNET handle) : state_(state) {
    std::lock_guard<std::mutex> lock(state_.mutex);
    if (!handle) return;
    if (state_.closed) {
      InternetCloseHandle(handle);
      return;
    }
    handle_ = handle;
    state_.open.push_back(handle);
  }
  ~InternetHandle() {
    std::lock_guard<std::mutex> lock(state_.mutex);
    const auto held = std::find(state_.open.begin(), state_.open.end(), handle_);
    if (handle_ && held != state_.open.end()) {
      InternetCloseHandle(handle_);
      state_.open.erase(held);
    }
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;

  // The handle while the download still holds it; null once it was given up.
  HINTERNET Held() const {
    std::lock_guard<std::mutex> lock(state_.mutex);
    const bool held = std::find(state_.open.begin(), state_.open.end(), handle_) != state_.open.end();
    return held ? handle_ : nullptr;
  }

 private:
  DownloadState& state_;
  HINTERNET handle_ = nullptr;
};

void Download(DownloadState& d) {
  const InternetHandle session(d, InternetOpenW(d.agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  const HINTERNET s = session.Held();
  if (!s) return;
  DWORD connectMs = d.limits.connectTimeOutMs;
  DWORD receiveMs = d.limits.receiveTimeOutMs;
  InternetSetOptionW(s, INTERNET_OPTION_CONNECT_TIMEOUT, &connectMs, sizeof(connectMs));
  InternetSetOptionW(s, INTERNET_OPTION_RECEIVE_TIMEOUT, &receiveMs, sizeof(receiveMs));
  const InternetHandle request(d, InternetOpenUrlW(s, d.url.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0));
  std::size_t total = 0;
  char chunk[kReadChunk];
  for (;;) {
    const HINTERNET r = request.Held();
    if (!r) return;
    DWORD got = 0;
    const BOOL ok = InternetReadFile(r, chunk, kReadChunk, &got);
    if (got > kReadChunk) got = 0;
    {
      std::lock_guard<std::mutex> lock(d.mutex);
      if (d.closed) return;
      d.bytes.append(chunk, got);
    }
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
// and the window hears of it now, even where a closed handle does not end the blocked call.
DWORD WINAPI DeadlineThread(void* parameter) {
  std::unique_ptr<std::shared_ptr<DownloadState>> owner(static_cast<std::shared_ptr<DownloadState>*>(parameter));
  DownloadState& d = **owner;
  const DWORD deadline = d.limits.connectTimeOutMs + d.limits.receiveTimeOutMs;
  if (WaitForSingleObject(d.done.get(), deadline) == WAIT_TIMEOUT) {
    {
      std::lock_guard<std::mutex> lock(d.mutex);
      d.CloseAll();
    }
    d.End();
  }
  return 0;
}

bool StartThread(LPTHREAD_START_ROUTINE routine, const std::shared_ptr<DownloadState>& state) {
  auto* parameter = new std::shared_ptr<DownloadState>(state);
  const win::ThreadHandle thread(CreateThread(nullptr, 0, routine, parameter, 0, nullptr));
  if (!thread) delete parameter;
  return static_cast<bool>(thread);
}

}  // namespace

PageDownload::PageDownload(const std::wstring& url, const FetchLimits& limits, HWND notify, UINT message,
                           WPARAM id)
    : state_(std::make_shared<DownloadState>()) {
  state_->url = UrlWithoutFragment(url);  // the fragment is never sent
  state_->agent = ProgramBaseName();
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
