#include "naming/site_icon.h"

#include <algorithm>

#include "naming/fetch_job.h"
#include "naming/icon_image.h"
#include "naming/icon_link.h"
#include "naming/site_icon_file.h"
#include "naming/web_title.h"

namespace pelmora {

class SiteIconJob : public FetchJob {
 public:
  SiteIconJob(const std::wstring& pageUrl, const std::string& headBytes, const FetchLimits& limits,
              std::vector<std::wstring> storeFolders, HWND notify, UINT message, WPARAM id)
      : FetchJob(notify, message, id),
        pageUrl_(pageUrl),
        head_(headBytes),
        favicon_(SiteFaviconUrl(pageUrl)),
        limits_(limits),
        folders_(std::move(storeFolders)) {}

  // Only a web page has a site; an icon link elsewhere would resolve to nothing either.
  bool HasCandidate() const { return !favicon_.empty(); }
  std::wstring IconPath() {
    std::lock_guard<std::mutex> lock(mutex);
    return iconPath_;
  }

  // Runs on the fetch's thread alone, which opens and closes every handle here.
  void Run() override {
    // The head is read here, not on the window's thread: it may be long.
    const std::wstring linked = IconLinkUrl(head_, pageUrl_);
    const InternetHandle session = OpenFetchSession(limits_);
    if (!session) return;
    std::string file;
    if (!linked.empty()) file = SiteIconFile(Download(session.get(), linked));
    if (file.empty() && favicon_ != linked && !Stopped()) file = SiteIconFile(Download(session.get(), favicon_));
    if (file.empty() || Stopped()) return;
    std::wstring path = StoreSiteIcon(file, StoredIconName(UrlHost(pageUrl_), file), folders_);
    std::lock_guard<std::mutex> lock(mutex);
    if (!StoppedHeld()) iconPath_ = std::move(path);
  }

 private:
  static constexpr DWORD kReadChunk = 16 * 1024;

  // The number the response head gives for `query`; false when it gives none.
  static bool QueryNumber(HINTERNET request, DWORD query, DWORD& number) {
    DWORD size = sizeof(number), index = 0;
    return HttpQueryInfoW(request, query | HTTP_QUERY_FLAG_NUMBER, &number, &size, &index) != FALSE;
  }

  // The whole body of a successful response, or empty: a failed or refused request, a status
  // other than 2xx, a redirect that left http and https, a body larger than an icon may be or
  // shorter than announced, a download that took longer than the time-outs allow.
  std::string Download(HINTERNET session, const std::wstring& url) {
    if (url.empty() || Stopped()) return {};
    const ULONGLONG deadline = GetTickCount64() + limits_.connectTimeOutMs + limits_.receiveTimeOutMs;
    constexpr DWORD kFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_AUTH |
                             INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_CACHE_WRITE;
    const InternetHandle request(InternetOpenUrlW(session, url.c_str(), nullptr, 0, kFlags, 0));
    if (!request || Stopped()) return {};
    if (UrlHost(RequestUrl(request.get())).empty()) return {};
    DWORD status = 0, length = 0;
    if (!QueryNumber(request.get(), HTTP_QUERY_STATUS_CODE, status) || status < 200 || status > 299) return {};
    const bool announced = QueryNumber(request.get(), HTTP_QUERY_CONTENT_LENGTH, length);
    if (announced && length > kMaxSiteIconBytes) return {};
    std::string body;
    char chunk[kReadChunk];
    for (;;) {
      // A read asks only for what has arrived: a read of more waits until it is all there, and a
      // server that trickles would hold it past every time-out.
      DWORD available = 0, got = 0;
      if (!InternetQueryDataAvailable(request.get(), &available, 0, 0)) return {};
      if (available == 0) break;
      if (!InternetReadFile(request.get(), chunk, std::min(available, kReadChunk), &got) || got > kReadChunk)
        return {};
      if (got == 0) break;
      body.append(chunk, got);
      if (body.size() > kMaxSiteIconBytes || Stopped() || GetTickCount64() > deadline) return {};
    }
    if (announced && body.size() != length) return {};
    return body;
  }

  const std::wstring pageUrl_;
  const std::string head_;
  const std::wstring favicon_;
  const FetchLimits limits_;
  const std::vector<std::wstring> folders_;
  std::wstring iconPath_;  // guarded by the mutex
};

SiteIconFetch::SiteIconFetch(const std::wstring& pageUrl, const std::string& headBytes, const FetchLimits& limits,
                             std::vector<std::wstring> storeFolders, HWND notify, UINT message, WPARAM id)
    : job_(std::make_shared<SiteIconJob>(pageUrl, headBytes, limits, std::move(storeFolders), notify, message, id)) {
  // Each of the two requests has the time-outs of a page fetch.
  const DWORD deadline = 2 * (limits.connectTimeOutMs + limits.receiveTimeOutMs);
  if (!job_->HasCandidate() || !StartFetchJob(job_, deadline)) job_.reset();
}

SiteIconFetch::~SiteIconFetch() { GiveUp(); }

bool SiteIconFetch::Started() const { return job_ != nullptr; }

void SiteIconFetch::GiveUp() {
  if (job_) job_->GiveUp();
}

std::wstring SiteIconFetch::IconPath() const { return job_ ? job_->IconPath() : std::wstring(); }

}  // namespace pelmora
