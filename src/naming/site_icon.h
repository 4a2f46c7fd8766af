// The icon of the web site a URL shortcut points to: found from the page head the title fetch
// downloaded, fetched on a thread of its own and kept as an .ico file the shortcut can name.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "naming/web_title_rules.h"

namespace pelmora {

class SiteIconJob;

// One fetch of a site's icon. It asks for the icon the page's head links to, and when that
// gives no icon, for /favicon.ico of the page's site; each request with the time-outs of
// `limits`, no cookies sent or kept, no log-on, redirects followed to http or https only, and a
// body of at most 512 KiB with a success status. The icon is kept in the first of
// `storeFolders` that takes it (see StoreSiteIcon); any failure is simply no icon. The thread
// that talks to the servers owns its handles; the caller waits no longer than twice the
// connect and receive time-outs together, whatever the servers do.
class SiteIconFetch {
 public:
  // `pageUrl` is the page's address after redirects (PageDownload::FinalUrl) and `headBytes`
  // the page head it sent. When the fetch ends, however it ends, `message` is posted to
  // `notify` with `id` as its first parameter; a fetch given up meanwhile posts nothing.
  SiteIconFetch(const std::wstring& pageUrl, const std::string& headBytes, const FetchLimits& limits,
                std::vector<std::wstring> storeFolders, HWND notify, UINT message, WPARAM id);
  // Gives the fetch up if it is still running; never waits for a server.
  ~SiteIconFetch();
  SiteIconFetch(const SiteIconFetch&) = delete;
  SiteIconFetch& operator=(const SiteIconFetch&) = delete;

  // False when the fetch could not even be started (its end is then never posted): no icon.
  bool Started() const;
  // Ends the fetch now, with no message; an icon not yet kept is not kept.
  void GiveUp();
  // Once ended: the path of the kept .ico (icon index 0), or empty for no icon.
  std::wstring IconPath() const;

 private:
  std::shared_ptr<SiteIconJob> job_;
};

}  // namespace pelmora
