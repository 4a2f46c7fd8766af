#include "naming/web_title.h"

#include <vector>

#include "naming/fetch_job.h"
#include "win/system.h"

namespace pelmora {

class PageHeadJob : public FetchJob {
 public:
  PageHeadJob(std::wstring url, const FetchLimits& limits, HWND notify, UINT message, WPARAM id)
      : FetchJob(notify, message, id), url_(std::move(url)), limits_(limits), finalUrl_(url_) {}

  const std::wstring& Url() const { return url_; }
  std::string Bytes() {
    std::lock_guard<std::mutex> lock(mutex);
    return bytes_;
  }
  std::wstring FinalUrl() {
    std::lock_guard<std::mutex> lock(mutex);
    return finalUrl_;
  }

  // Runs on the download thread alone, which opens and closes every handle here. A step that
  // finds the download stopped goes at once; the handles close on the way out, request first.
  void Run() override {
    const InternetHandle session = OpenFetchSession(limits_);
    if (!session || Stopped()) return;
    const InternetHandle request(InternetOpenUrlW(session.get(), url_.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0));
    if (!request) return;
    if (std::wstring final = RequestUrl(request.get()); !final.empty()) {
      std::lock_guard<std::mutex> lock(mutex);
      finalUrl_ = std::move(final);
    }
    std::size_t total = 0;
    char chunk[kReadChunk];
    for (;;) {
      DWORD got = 0;
      const BOOL ok = InternetReadFile(request.get(), chunk, kReadChunk, &got);
      if (got > kReadChunk) got = 0;
      if (!Keep(chunk, got)) return;
      total += got;
      if (!DownloadContinues(ok, got, total, limits_.htmlBuffer)) return;
    }
  }

 private:
  static constexpr DWORD kReadChunk = 1024;

  // Adds what a read delivered; false when the download is to go.
  bool Keep(const char* data, std::size_t size) {
    std::lock_guard<std::mutex> lock(mutex);
    if (StoppedHeld()) return false;
    bytes_.append(data, size);
    return true;
  }

  const std::wstring url_;
  const FetchLimits limits_;
  std::string bytes_;      // guarded by the mutex
  std::wstring finalUrl_;  // guarded by the mutex
};

InternetHandle OpenFetchSession(const FetchLimits& limits) {
  InternetHandle session(InternetOpenW(ProgramBaseName().c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return session;
  DWORD connectMs = limits.connectTimeOutMs;
  DWORD receiveMs = limits.receiveTimeOutMs;
  InternetSetOptionW(session.get(), INTERNET_OPTION_CONNECT_TIMEOUT, &connectMs, sizeof(connectMs));
  InternetSetOptionW(session.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, &receiveMs, sizeof(receiveMs));
  return session;
}

std::wstring RequestUrl(HINTERNET request) {
  DWORD size = 0;
  InternetQueryOptionW(request, INTERNET_OPTION_URL, nullptr, &size);
  if (size == 0 || size > 1u << 20) return {};
  std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1);
  size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  if (!InternetQueryOptionW(request, INTERNET_OPTION_URL, buffer.data(), &size)) return {};
  buffer.back() = L'\0';
  return buffer.data();
}

PageDownload::PageDownload(const std::wstring& url, const FetchLimits& limits, HWND notify, UINT message,
                           WPARAM id)
    // The fragment is never sent.
    : job_(std::make_shared<PageHeadJob>(UrlWithoutFragment(url), limits, notify, message, id)) {
  if (job_->Url().empty() || !StartFetchJob(job_, limits.connectTimeOutMs + limits.receiveTimeOutMs)) job_.reset();
}

PageDownload::~PageDownload() { GiveUp(); }

bool PageDownload::Started() const { return job_ != nullptr; }

void PageDownload::GiveUp() {
  if (job_) job_->GiveUp();
}

std::string PageDownload::Bytes() const { return job_ ? job_->Bytes() : std::string(); }

std::wstring PageDownload::FinalUrl() const { return job_ ? job_->FinalUrl() : std::wstring(); }

}  // namespace pelmora
