// The main window's page title fetch: one at a time, on a thread of its own; a new target, a
// clear or a close gives a running fetch up.
#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "naming/web_title.h"

namespace pelmora {

class TitleFetch {
 public:
  // Gives up the running fetch and starts one for `url`; its end is posted to `window` as
  // `message` with the fetch's number. False when it could not even start.
  bool Start(const std::wstring& url, const FetchLimits& limits, HWND window, UINT message) {
    download_ = std::make_unique<PageDownload>(url, limits, window, message, ++id_);
    if (download_->Started()) return true;
    download_.reset();
    return false;
  }
  // Gives the running fetch up: it posts nothing more, and its thread lets go on its own.
  void Stop() { download_.reset(); }
  bool Running() const { return download_ != nullptr; }
  // The page's bytes when the end of fetch `id` is the running fetch's (it is over then); nothing
  // for a fetch given up meanwhile.
  std::optional<std::string> TakeEnded(WPARAM id) {
    if (!download_ || id != id_) return std::nullopt;
    std::string bytes = download_->Bytes();
    download_.reset();
    return bytes;
  }

 private:
  std::unique_ptr<PageDownload> download_;
  WPARAM id_ = 0;
};

}  // namespace pelmora
