// Fetching the head of a web page with WinINet, on a thread of its own, so that the window
// that asked keeps running and can give the fetch up at any moment.
#pragma once
#include <windows.h>
#include <wininet.h>

#include <cstddef>
#include <memory>
#include <string>

#include "naming/web_title_rules.h"
#include "win/handles.h"

namespace pelmora {

inline void CloseInternetHandle(HINTERNET handle) { InternetCloseHandle(handle); }
// An internet handle, closed by whoever holds it when it goes.
using InternetHandle = win::Owned<HINTERNET, CloseInternetHandle>;

// The WinINet session a fetch talks through: named after the program, with the connect and
// the receive time-out of `limits` each set as its own option. Empty when WinINet fails.
InternetHandle OpenFetchSession(const FetchLimits& limits);

struct DownloadState;

// One download of a page's head (the URL without its fragment): at most the buffer size of
// `limits` plus one read of 1024 bytes. The thread that talks to the server owns its internet
// handles from open to close; nobody else touches them. The caller waits no longer than the
// connect and receive time-outs together: then the download counts as ended with what arrived,
// and its thread lets go of the server when WinINet's call returns.
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
  // Ends the download now: no more bytes, and no message. Its thread stops at its next step.
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
