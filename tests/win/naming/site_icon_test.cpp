#include "naming/site_icon.h"

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <vector>

#include "fetch_end.h"
#include "naming/site_icon_file.h"
#include "reader_test.h"
#include "support/image_builder.h"
#include "support/win/http_test_server.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::FetchEnd;
using test::HttpTestServer;
using Behaviour = HttpTestServer::Behaviour;
using Route = HttpTestServer::Route;

// The names in a folder; none when it is missing.
std::vector<std::wstring> Entries(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return names;
}

// The icon file holds at least one icon the shell can draw.
void ExpectShellReadsIcon(const std::wstring& path) {
  EXPECT_GE(ExtractIconExW(path.c_str(), -1, nullptr, nullptr, 0), 1u) << testing::PrintToString(path);
  HICON large = nullptr;
  EXPECT_EQ(ExtractIconExW(path.c_str(), 0, &large, nullptr, 1), 1u);
  EXPECT_NE(large, nullptr);
  if (large) DestroyIcon(large);
}

class SiteIcon : public test::ReaderTest {
 protected:
  void SetUp() override {
    ReaderTest::SetUp();
    settings_.ConnectTimeOut = 1;
    settings_.ReceiveTimeOut = 1;
  }
  // The fetch for the page at `pageUrl` with `head`, waited for: the icon's path.
  std::wstring Fetch(const std::wstring& pageUrl, const std::string& head, const std::vector<std::wstring>& folders) {
    FetchEnd end;
    const SiteIconFetch fetch(pageUrl, head, Limits(), folders, end.Window(), FetchEnd::kMessage, 7);
    if (!fetch.Started()) return {};
    EXPECT_TRUE(end.Wait(7)) << "the end of the fetch was not posted";
    return fetch.IconPath();
  }
};

TEST_F(SiteIcon, WhatServersSendBecomesAnIconOrNothing) {
  const std::string png = test::SolidPng(16, 16);
  const std::string ico = test::Ico({{16, 16, test::IconBitmap(16, 16)}});
  std::string corruptPng = png;
  corruptPng[png.size() - 30] ^= 0x40;
  const std::string linked = "<head><link rel=\"shortcut icon\" href=\"icon.png\"></head>";
  const std::string none = "<head><title>no icon link</title></head>";
  const auto favicon = [](Behaviour behaviour, std::string body, std::string type = "image/x-icon") {
    return Route{"/favicon.ico", behaviour, std::move(body), std::move(type)};
  };
  struct Case {
    const char* what;
    std::string head;
    std::vector<Route> routes;
    bool icon;
  } cases[] = {
      {"png by the link, relative to the page", linked, {{"/dir/icon.png", Behaviour::Serve, png, "image/png"}}, true},
      {"ico at /favicon.ico only", none, {favicon(Behaviour::Serve, ico)}, true},
      {"a link to nothing that sets a cookie, then /favicon.ico", linked,
       {{"/dir/icon.png", Behaviour::Serve, "gone", "text/html", 404, "Set-Cookie: seen=1; Path=/\r\n"},
        favicon(Behaviour::Serve, ico)},
       true},
      {"a link that trickles past its time-outs, then /favicon.ico", linked,
       {{"/dir/icon.png", Behaviour::Trickle, png, "image/png"}, favicon(Behaviour::Serve, ico)},
       true},
      {"redirected",
       "<link rel=icon href=/old.png>",
       {{"/old.png", Behaviour::Serve, "", "text/html", 302, "Location: /new.png\r\n"},
        {"/new.png", Behaviour::Serve, png, "image/png"}},
       true},
      {"bmp converted", none, {favicon(Behaviour::Serve, test::SolidBmp(20, 10), "image/bmp")}, true},
      {"gif converted", none, {favicon(Behaviour::Serve, test::TinyGif(), "image/gif")}, true},
      {"large png scaled down", linked,
       {{"/dir/icon.png", Behaviour::Serve, test::SolidPng(300, 200), "image/png"}}, true},
      {"an icon sent with 404", linked, {{"/favicon.ico", Behaviour::Serve, ico, "image/x-icon", 404}}, false},
      {"html error page with 200", none, {favicon(Behaviour::Serve, "<html><title>Oops</title></html>", "text/html")},
       false},
      {"redirect away from http", none,
       {{"/favicon.ico", Behaviour::Serve, "", "text/html", 302, "Location: file:///C:/windows/win.ini\r\n"}}, false},
      {"50 MB body", none, {favicon(Behaviour::Serve, png + std::string(50u << 20, '\0'))}, false},
      {"endless body", none, {favicon(Behaviour::EndlessBody, png)}, false},
      {"stalls", none, {favicon(Behaviour::NeverAnswer, "")}, false},
      {"corrupt png", none, {favicon(Behaviour::Serve, corruptPng, "image/png")}, false},
      {"truncated ico", none, {favicon(Behaviour::Serve, ico.substr(0, ico.size() - 4))}, false},
      // Half of the announced length is a whole image here.
      {"cut off half-way", none, {favicon(Behaviour::CloseHalfWay, png + std::string(png.size(), '\0'))}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HttpTestServer server(c.routes);
    ASSERT_TRUE(server.Started());
    const std::wstring folder = Temp(L"icons");
    const std::wstring path = Fetch(server.Url(L"/dir/page.html"), c.head, {folder});
    const std::vector<std::wstring> left = Entries(folder);
    if (c.icon && path.empty()) {
      ADD_FAILURE() << "no icon";
    } else if (c.icon) {
      EXPECT_EQ(path.substr(0, folder.size() + 1), folder + L"\\");
      EXPECT_EQ(left, std::vector<std::wstring>{path.substr(folder.size() + 1)});
      EXPECT_EQ(path.substr(folder.size() + 1, 10), L"127.0.0.1-");
      ExpectShellReadsIcon(path);
    } else {
      EXPECT_EQ(path, L"");
      EXPECT_TRUE(left.empty()) << testing::PrintToString(left);
    }
    for (const std::string& request : server.Requests())
      EXPECT_EQ(request.find("\r\nCookie:"), std::string::npos) << request;
    test::RemoveTree(folder);
  }
}

TEST_F(SiteIcon, AFolderThatCannotTakeItFallsBackAndTheSameIconIsKeptOnce) {
  const std::string ico = test::Ico({{16, 16, test::IconBitmap(16, 16)}});
  HttpTestServer server({{"/favicon.ico", Behaviour::Serve, ico, "image/x-icon"}});
  const std::wstring blocked = Temp(L"icons");
  ASSERT_TRUE(test::WriteFileBytes(blocked, "a file where the folder would be"));
  const std::wstring fallback = Temp(L"fallback\\icons");
  const std::wstring first = Fetch(server.Url(L"/"), "", {blocked, fallback});
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first.substr(0, fallback.size()), fallback);
  EXPECT_EQ(test::ReadFileBytes(first), ico);
  EXPECT_EQ(Fetch(server.Url(L"/"), "", {blocked, fallback}), first);
  EXPECT_EQ(Entries(fallback).size(), 1u);
  EXPECT_EQ(Fetch(server.Url(L"/"), "", {blocked}), L"");
}

TEST_F(SiteIcon, OnlyWebPagesHaveOne) {
  FetchEnd end;
  EXPECT_FALSE(SiteIconFetch(L"file:///C:/page.html", "<link rel=icon href=a.ico>", Limits(), {Temp(L"icons")},
                             end.Window(), FetchEnd::kMessage, 1)
                   .Started());
  EXPECT_FALSE(SiteIconFetch(L"", "", Limits(), {Temp(L"icons")}, end.Window(), FetchEnd::kMessage, 1).Started());
}

}  // namespace
}  // namespace pelmora
