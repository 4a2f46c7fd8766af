// Fetching the head of a web page with WinINet, on a thread of its own, so that the window
// that asked keeps running and can give the fetch up at any moment.
#pragma once
#include <windows.h>
#include <wininet.h>

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

// The address a request ended up at, after the redirects WinINet followed; empty when it
// cannot tell.
std::wstring RequestUrl(HINTERNET request);

class PageHeadJob;

// One download of a page's head (the URL without its fragment): at most the buffer size of
// `limits` plus one read of 1024 bytes. The thread that talks to the server owns its internet
// handles from open to close; nobody else touches them. The caller waits no longer than the
// connect and receive time-outs together: then the download counts as ended with what arrived,
// and its thread lets go of the server when WinINet's call returns.
class PageDownload {
 public:
  // Starts the download. When it ends, however it ends, `message` is posted to `notify` with
  // `id` as its first parameter; a download given up meanwhile posts nothing.
  PageDownload(const std::wstring& url, const FetchLimits& limits, HWND notify, UINT message, WPARAM id);
  // Gives the download up if it is still running; never waits for the server.
  ~PageDownload();
  PageDownload(const PageDownload&) = delete;
  PageDownload& operator=(const PageDownload&) = delete;

  // False when the download could not even be started (its end is then never posted).
  bool Started() const;
  // Ends the download now: no more bytes, and no message. Its thread stops at its next step.
  void GiveUp();
  // The bytes received so far (all of them once it has ended).
  std::string Bytes() const;
  // The page's address after redirects, which its relative links resolve against: known once
  // the server has answered, the address asked for until then (and when WinINet cannot tell).
  std::wstring FinalUrl() const;

 private:
  std::shared_ptr<PageHeadJob> job_;
};

}  // namespace pelmora
