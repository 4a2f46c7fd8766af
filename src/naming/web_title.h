// Fetching the head of a web page with WinINet, on a thread of its own, so that the window
// that asked keeps running and can give the fetch up at any moment.
#pragma once
#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>

#include "naming/web_title_rules.h"

namespace pelmora {

struct DownloadState;

// One download of a page's head (the URL without its fragment): at most the buffer size of `limits` plus one read of 1024
// bytes, and never longer than its connect and receive time-outs together. The thread that
// talks to the server alone owns its internet handles; giving up closes them from the caller's
// thread, which ends a call blocked on the server at once.
class PageDownload {
 public:
  // Starts the download. When it ends, however it ends, `message` is posted to `notify` (when
  // given) with `id` as its first parameter; a download given up meanwhile posts nothing.
  PageDownload(const std::wstring& url, const FetchLimits& limits, HWND notify = nullptr, UINT message = 0,
               WPARAM id = 0);
  // Gives the download up if it is still running; never waits for the server.
  ~PageDownload();
  PageDownload(const PageDownload&) = delete;
  PageDownload& operator=(const PageDownload&) = delete;

  // False when the download could not even be started (its end is then never posted).
  bool Started() const;
  // Ends the download now: no more bytes, and no message.
  void GiveUp();
  // Waits up to `milliseconds` for the download to end; true when it has.
  bool Wait(DWORD milliseconds) const;
  // The bytes received so far (all of them once it has ended).
  std::string Bytes() const;

 private:
  std::shared_ptr<DownloadState> state_;
};

// Downloads the head of the page and waits for it (no window messages run meanwhile): the
// count of bytes received, 0 on failure (`bytes` then empty).
std::size_t DownloadPageHead(const std::wstring& url, const FetchLimits& limits, std::string& bytes);

}  // namespace pelmora
