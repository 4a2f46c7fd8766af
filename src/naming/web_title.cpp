#include "naming/web_title.h"

#include <windows.h>
#include <wininet.h>

#include <memory>
#include <mutex>

#include "win/system.h"
#include "naming/target_readers.h"
#include "naming/web_title_files.h"
#include "naming/web_title_rules.h"

namespace pelmora {
namespace {

constexpr DWORD kReadChunk = 1024;

// One download, shared by the thread that talks to the server and the thread that waits for
// it. Whoever comes last frees it.
struct Download {
  Download() : done(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~Download() {
    if (done) CloseHandle(done);
  }
  Download(const Download&) = delete;
  Download& operator=(const Download&) = delete;

  std::wstring url;
  std::wstring agent;
  FetchLimits limits{};
  HANDLE done;

  std::mutex mutex;       // guards what follows
  std::string bytes;      // received so far
  HINTERNET session = nullptr;
  HINTERNET request = nullptr;
  bool abandoned = false;  // the waiter gave up and closed the handles
};

// Stores a handle for the waiter to close, unless it has already given up (the handle is then
// closed here). The fetch keeps its own copy: the stored one is cleared when the waiter closes it.
bool Publish(Download& d, HINTERNET& slot, HINTERNET handle) {
  std::lock_guard<std::mutex> lock(d.mutex);
  if (d.abandoned) {
    if (handle) InternetCloseHandle(handle);
    return false;
  }
  slot = handle;
  return handle != nullptr;
}

void Fetch(Download& d) {
  const HINTERNET session = InternetOpenW(d.agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  if (!Publish(d, d.session, session)) return;
  DWORD connectMs = d.limits.connectTimeOutMs;
  DWORD receiveMs = d.limits.receiveTimeOutMs;
  InternetSetOptionW(session, INTERNET_OPTION_CONNECT_TIMEOUT, &connectMs, sizeof(connectMs));
  InternetSetOptionW(session, INTERNET_OPTION_RECEIVE_TIMEOUT, &receiveMs, sizeof(receiveMs));
  const HINTERNET request = InternetOpenUrlW(session, d.url.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0);
  if (!Publish(d, d.request, request)) return;
  std::size_t total = 0;
  char chunk[kReadChunk];
  for (;;) {
    DWORD got = 0;
    const BOOL ok = InternetReadFile(request, chunk, kReadChunk, &got);
    if (got > kReadChunk) got = 0;
    {
      std::lock_guard<std::mutex> lock(d.mutex);
      if (d.abandoned) return;
      d.bytes.append(chunk, got);
    }
    total += got;
    if (!DownloadContinues(ok, got, total, d.limits.htmlBuffer)) break;
  }
}

DWORD WINAPI FetchThread(void* parameter) {
  std::unique_ptr<std::shared_ptr<Download>> owner(static_cast<std::shared_ptr<Download>*>(parameter));
  Download& d = **owner;
  Fetch(d);
  {
    std::lock_guard<std::mutex> lock(d.mutex);
    if (!d.abandoned) {
      if (d.request) InternetCloseHandle(d.request);
      if (d.session) InternetCloseHandle(d.session);
      d.request = d.session = nullptr;
    }
  }
  SetEvent(d.done);
  return 0;
}

}  // namespace

std::size_t DownloadPageHead(const std::wstring& url, const FetchLimits& limits, std::string& bytes) {
  bytes.clear();
  if (url.empty()) return 0;
  auto download = std::make_shared<Download>();
  if (!download->done) return 0;
  download->url = url;
  download->agent = ProgramBaseName();
  download->limits = limits;

  // The server is talked to on a thread of its own, so that the whole fetch can be given up
  // after the connect and receive time-outs together: a server that trickles its bytes, or a
  // WinINet that does not apply the receive time-out, cannot hold the program longer. Window
  // messages keep running meanwhile.
  auto* parameter = new std::shared_ptr<Download>(download);
  HANDLE thread = CreateThread(nullptr, 0, FetchThread, parameter, 0, nullptr);
  if (!thread) {
    delete parameter;
    return 0;
  }
  CloseHandle(thread);

  const ULONGLONG deadline =
      GetTickCount64() + download->limits.connectTimeOutMs + download->limits.receiveTimeOutMs;
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) break;
    const DWORD wait = MsgWaitForMultipleObjects(1, &download->done, FALSE, static_cast<DWORD>(deadline - now),
                                                 QS_ALLINPUT);
    if (wait == WAIT_OBJECT_0 + 1) {
      RunPendingMessages();
      continue;
    }
    break;
  }

  std::lock_guard<std::mutex> lock(download->mutex);
  if (WaitForSingleObject(download->done, 0) != WAIT_OBJECT_0 && !download->abandoned) {
    // Out of time: closing the handles ends the calls still waiting on the server.
    download->abandoned = true;
    if (download->request) InternetCloseHandle(download->request);
    if (download->session) InternetCloseHandle(download->session);
    download->request = download->session = nullptr;
  }
  bytes = download->bytes;
  return bytes.size();
}

std::wstring FetchWebTitle(const std::wstring& url, const FetchLimits& limits) {
  if (url.empty()) return {};
  std::string bytes;
  if (DownloadPageHead(UrlWithoutFragment(url), limits, bytes) == 0) return {};
  const std::wstring path = TempFilePath(kDownloadTempName);
  if (path.empty()) return {};
  DeleteIfFile(path);
  std::wstring title;
  if (WriteWholeFile(path, bytes)) title = ReadHtmlTitle(path, limits.htmlBuffer);
  DeleteIfFile(path);
  return title;
}

}  // namespace pelmora
