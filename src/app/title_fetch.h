// The main window's page fetch: the page title for the name, then the site's icon for the
// shortcut, one at a time, each on a thread of its own. A new target, a clear or a close gives
// a running fetch up.
#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "naming/site_icon.h"
#include "naming/site_icon_file.h"
#include "naming/web_title.h"

namespace pelmora {

// The head of a page as it arrived, and where redirects led.
struct FetchedPage {
  std::string bytes;
  std::wstring finalUrl;
};
// A site's icon kept as a file, and the target (the URL as the form held it) it was found for.
struct KeptIcon {
  std::wstring file;
  std::wstring target;
};

class TitleFetch {
 public:
  // Gives up what runs and starts fetching `url`'s head; its end is posted to `window` as
  // `message` with the fetch's number. False when it could not even start.
  bool Start(const std::wstring& url, const FetchLimits& limits, HWND window, UINT message) {
    Stop();
    download_ = std::make_unique<PageDownload>(url, limits, window, message, ++id_);
    if (download_->Started()) return true;
    download_.reset();
    return false;
  }
  // Gives the title and the icon up: they post nothing more, and their threads let go on their own.
  void Stop() {
    download_.reset();
    icon_.reset();
  }
  // A title is on its way.
  bool Running() const { return download_ != nullptr; }
  // The page when the end of fetch `id` is the running title fetch's (it is over then); nothing
  // for a fetch given up meanwhile.
  std::optional<FetchedPage> TakeEnded(WPARAM id) {
    if (!download_ || id != id_) return std::nullopt;
    FetchedPage page{download_->Bytes(), download_->FinalUrl()};
    download_.reset();
    return page;
  }
  // After the title: the icon of the site `target` (the URL as the form held it) points to,
  // found from `page`; its end is posted like the title's.
  void StartIcon(const std::wstring& target, const FetchedPage& page, const FetchLimits& limits, HWND window,
                 UINT message) {
    icon_ = std::make_unique<SiteIconFetch>(page.finalUrl, page.bytes, limits, SiteIconFolders(), window, message,
                                            ++id_);
    iconTarget_ = target;
    if (!icon_->Started()) icon_.reset();
  }
  // The kept icon when fetch `id` is the running icon fetch's and it found one; nothing otherwise.
  std::optional<KeptIcon> TakeIcon(WPARAM id) {
    if (!icon_ || id != id_) return std::nullopt;
    KeptIcon kept{icon_->IconPath(), iconTarget_};
    icon_.reset();
    if (kept.file.empty()) return std::nullopt;
    return kept;
  }

 private:
  std::unique_ptr<PageDownload> download_;
  std::unique_ptr<SiteIconFetch> icon_;
  std::wstring iconTarget_;
  WPARAM id_ = 0;
};

}  // namespace pelmora
