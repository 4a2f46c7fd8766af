#include "naming/web_title.h"

#include <windows.h>
#include <wininet.h>

#include "app/system.h"
#include "naming/target_readers.h"
#include "naming/web_title_files.h"
#include "naming/web_title_rules.h"
#include "settings/settings.h"

namespace pelmora {
namespace {

constexpr DWORD kReadChunk = 1024;

class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET h) : h_(h) {}
  ~InternetHandle() {
    if (h_) InternetCloseHandle(h_);
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  explicit operator bool() const { return h_ != nullptr; }
  HINTERNET get() const { return h_; }

 private:
  HINTERNET h_;
};

}  // namespace

std::size_t DownloadPageHead(const std::wstring& url, std::string& bytes) {
  bytes.clear();
  if (url.empty()) return 0;
  const FetchLimits limits = FetchLimitsOf(CurrentSettings());

  const std::wstring agent = ProgramBaseName();
  InternetHandle session(InternetOpenW(agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return 0;
  DWORD connectMs = limits.connectTimeOutMs;
  DWORD receiveMs = limits.receiveTimeOutMs;
  InternetSetOptionW(session.get(), INTERNET_OPTION_CONNECT_TIMEOUT, &connectMs, sizeof(connectMs));
  InternetSetOptionW(session.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, &receiveMs, sizeof(receiveMs));

  InternetHandle request(InternetOpenUrlW(session.get(), url.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0));
  if (!request) return 0;

  std::size_t total = 0;
  for (;;) {
    if (bytes.size() < total + kReadChunk) bytes.resize(total + kReadChunk);
    DWORD got = 0;
    const BOOL ok = InternetReadFile(request.get(), bytes.data() + total, kReadChunk, &got);
    if (got > kReadChunk) got = 0;
    total += got;
    if (!DownloadContinues(ok, got, total, limits.htmlBuffer)) break;
    RunPendingMessages();
  }
  bytes.resize(total);
  return total;
}

std::wstring FetchWebTitle(const std::wstring& url) {
  if (url.empty()) return {};
  std::string bytes;
  if (DownloadPageHead(UrlWithoutFragment(url), bytes) == 0) return {};
  const std::wstring path = TempFilePath(kDownloadTempName);
  if (path.empty()) return {};
  DeleteIfFile(path);
  std::wstring title;
  if (WriteWholeFile(path, bytes)) title = ReadHtmlTitle(path);
  DeleteIfFile(path);
  return title;
}

}  // namespace pelmora
