// Where a web page keeps its icon: the icon link in the head of the page, resolved against the
// page's address, or the site's /favicon.ico. Text in, addresses out; nothing is fetched here.
#pragma once
#include <string>
#include <string_view>

namespace pelmora {

// The address `reference` names when it stands in the page at `base` (an http or https
// address): absolute, relative ("a.png", "../a.png", "/a.png", "?v=2") or protocol-relative
// ("//cdn.host/a.png"). Both are read as a browser reads them (blanks around them and line
// breaks inside them dropped, "\" for "/"); the fragment is left out and any character beyond
// printable ASCII percent-encoded as UTF-8. Empty when either is not http or https (data:,
// javascript:, file:...), when the reference is empty, or when the host is missing or carries a
// user name.
std::wstring ResolveHttpUrl(std::wstring_view base, std::wstring_view reference);

// The host of an http or https address in lower case, without port; empty for anything else.
std::wstring UrlHost(std::wstring_view url);

// The address of the icon that the first <link rel="icon"> of the page names (rel tokens in
// any letter case, so "shortcut icon" counts; attributes in any order and quoting), resolved
// against `pageUrl`, the page's address after redirects. A link to an SVG image is passed over,
// since it cannot become an icon; an apple-touch-icon link counts only when no icon link does.
// The page's bytes are decoded as the title is read. Empty when there is no usable link.
std::wstring IconLinkUrl(std::string_view pageBytes, std::wstring_view pageUrl);

// "/favicon.ico" at the root of the page's site; empty when the page is not http or https.
std::wstring SiteFaviconUrl(std::wstring_view pageUrl);

}  // namespace pelmora
