#include "naming/icon_link.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(IconLinkUrl, TheFirstUsableIconLinkResolvedAgainstThePage) {
  const std::wstring page = L"https://www.example.com/dir/page.html?x=1#top";
  struct Case {
    const char* head;
    const wchar_t* icon;
  } cases[] = {
      {"<link rel=\"icon\" href=\"a.png\">", L"https://www.example.com/dir/a.png"},
      {"<LINK HREF='../up.ico' REL='Shortcut Icon'>", L"https://www.example.com/up.ico"},
      {"<link\nhref=/root.png?v=2&amp;s=1 rel=icon />", L"https://www.example.com/root.png?v=2&s=1"},
      {"<link rel=icon href=\"//cdn.other.net/i.png\">", L"https://cdn.other.net/i.png"},
      {"<link rel=icon href=\"HTTP://Other.Host:8080/x.ico#f\">", L"http://other.host:8080/x.ico"},
      {"<link rel=\"icon\" href=\"/\xE3\x82\xA2 1.png\">", L"https://www.example.com/%E3%82%A2%201.png"},
      {"<link rel=\"apple-touch-icon\" href=\"/apple.png\">", L"https://www.example.com/apple.png"},
      {"<link rel=apple-touch-icon href=/apple.png><link rel=icon href=/real.ico>",
       L"https://www.example.com/real.ico"},
      // Links that cannot give an icon are passed over.
      {"<link rel=icon href=\"javascript:alert(1)\"><link rel=icon href=\"data:image/png;base64,AA\">"
       "<link rel=icon href=\"file:///C:/x.ico\"><link rel=icon href=\"\">",
       L""},
      {"<link rel=icon type=image/svg+xml href=/i.svg><link rel=icon href=/i.png>", L"https://www.example.com/i.png"},
      {"<!-- <link rel=icon href=/old.png> --><script>'</b><link rel=icon href=/js.png>'</script>"
       "<link rel=icon href=/new.png>",
       L"https://www.example.com/new.png"},
      {"<link rel=stylesheet href=s.css><link rel=iconic href=/no.png><linkx rel=icon href=/no.png>", L""},
      {"<link rel=icon href=\"/cut-off", L""},
      {"", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.head);
    EXPECT_EQ(IconLinkUrl(c.head, page), c.icon);
  }
  EXPECT_EQ(IconLinkUrl("<link rel=icon href=a.png>", L"file:///C:/page.html"), L"");
}

TEST(ResolveHttpUrl, ReferencesAsABrowserReadsThem) {
  const std::wstring base = L"http://Host.Example/a/b/c";
  struct Case {
    const wchar_t* reference;
    const wchar_t* url;
  } cases[] = {
      {L"../../../../x.png", L"http://host.example/x.png"},
      {L"./d/./e/../f.png", L"http://host.example/a/b/d/f.png"},
      {L"?v=2", L"http://host.example/a/b/c?v=2"},
      {L" \t/sp\nlit.png ", L"http://host.example/split.png"},
      {L"\\win\\path.png", L"http://host.example/win/path.png"},
      {L"https://user@evil.example/x.png", L""},
      {L"https:x.png", L""},
      {L"//", L""},
      {L"#only", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.reference)));
    EXPECT_EQ(ResolveHttpUrl(base, c.reference), c.url);
  }
  EXPECT_EQ(ResolveHttpUrl(L"ftp://host/a", L"x.png"), L"");
  EXPECT_EQ(SiteFaviconUrl(L"https://a.b:444/dir/p?q#f"), L"https://a.b:444/favicon.ico");
  EXPECT_EQ(SiteFaviconUrl(L"javascript:void(0)"), L"");
  EXPECT_EQ(UrlHost(L"https://WWW.Ex.com:8443/p"), L"www.ex.com");
}

}  // namespace
}  // namespace pelmora
