#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "encoded_pages.h"
#include "fetch_end.h"
#include "naming/html_title.h"
#include "naming/web_title.h"
#include "reader_test.h"
#include "support/win/http_test_server.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::FetchEnd;
using test::HttpTestServer;
using Behaviour = HttpTestServer::Behaviour;

// What the window has of a download once its end was posted.
struct Downloaded {
  std::string bytes;
  std::wstring finalUrl;
};

Downloaded Download(const std::wstring& url, const FetchLimits& limits) {
  FetchEnd end;
  const PageDownload download(url, limits, end.Window(), FetchEnd::kMessage, 1);
  if (!download.Started()) return {};
  EXPECT_TRUE(end.Wait(1)) << "the end of the download was not posted";
  return {download.Bytes(), download.FinalUrl()};
}

class WebTitle : public test::ReaderTest {
 protected:
  // The page's title as the window gets it once the download has ended.
  std::wstring FetchWebTitle(const std::wstring& url, const FetchLimits& limits) {
    return TitleFromPageBytes(Download(url, limits).bytes, limits.htmlBuffer);
  }
  void SetUp() override {
    ReaderTest::SetUp();
    settings_.ConnectTimeOut = 1;
    settings_.ReceiveTimeOut = 1;
  }
};

TEST_F(WebTitle, JapanesePagesInEveryEncoding) {
  for (const auto& page : test::kEncodedTitles) {
    SCOPED_TRACE(page.encoding);
    HttpTestServer server(Behaviour::Serve, test::PageWithTitle(page.bytes));
    ASSERT_TRUE(server.Started());
    EXPECT_EQ(FetchWebTitle(server.Url(L"/index.html"), Limits()), test::kJapaneseTitle);
  }
  HttpTestServer utf16(Behaviour::Serve, test::Utf16PageWithTitle(test::kTitleUtf16le));
  EXPECT_EQ(FetchWebTitle(utf16.Url(L"/"), Limits()), test::kJapaneseTitle);
}

TEST_F(WebTitle, TheRequestLeavesOutTheFragmentAndNamesTheProgram) {
  HttpTestServer server(Behaviour::Serve, test::PageWithTitle("A &amp; B"));
  EXPECT_EQ(FetchWebTitle(server.Url(L"/page?q=1#top"), Limits()), L"A & B");
  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].substr(0, requests[0].find("\r\n")), "GET /page?q=1 HTTP/1.1");
  EXPECT_NE(requests[0].find("User-Agent: win_naming_tests\r\n"), std::string::npos) << requests[0];
}

TEST_F(WebTitle, OnlyTheHeadOfALongPageIsDownloaded) {
  const std::string page = test::PageWithTitle("Long") + std::string(100000, 'x');
  HttpTestServer server(Behaviour::Serve, page);
  const std::string bytes = Download(server.Url(), Limits()).bytes;
  EXPECT_GT(bytes.size(), 2048u);
  EXPECT_LE(bytes.size(), 2048u + 1024u);
  EXPECT_EQ(bytes, page.substr(0, bytes.size()));

  const std::string small = test::PageWithTitle("Small");
  HttpTestServer smallServer(Behaviour::Serve, small);
  EXPECT_EQ(Download(smallServer.Url(), Limits()).bytes, small);
}

TEST_F(WebTitle, TheFinalAddressIsTheOneRedirectsLedTo) {
  HttpTestServer server({{"/moved", Behaviour::Serve, "", "text/html", 301, "Location: /dir/page.html\r\n"},
                         {"/dir/page.html", Behaviour::Serve, test::PageWithTitle("Here")}});
  const Downloaded page = Download(server.Url(L"/moved#top"), Limits());
  EXPECT_EQ(TitleFromPageBytes(page.bytes, 2048), L"Here");
  EXPECT_EQ(page.finalUrl, server.Url(L"/dir/page.html"));
}

TEST_F(WebTitle, ATitleBeyondTheBufferIsNotFoundThoughItWasDownloaded) {
  settings_.HtmlBuffer = 100;
  const std::string page = std::string(120, ' ') + test::PageWithTitle("Late");
  HttpTestServer server(Behaviour::Serve, page);
  EXPECT_EQ(Download(server.Url(), Limits()).bytes, page);
  EXPECT_EQ(FetchWebTitle(server.Url(), Limits()), L"");
}

TEST_F(WebTitle, MisbehavingServersCostNoMoreThanTheTimeOuts) {
  const std::string titled = test::PageWithTitle("Endless");
  struct Case {
    const char* what;
    Behaviour behaviour;
    std::string body;
    std::wstring title;
  } cases[] = {
      {"never answers", Behaviour::NeverAnswer, "", L""},
      {"endless body", Behaviour::EndlessBody, titled, L"Endless"},
      {"closes half-way", Behaviour::CloseHalfWay, titled + std::string(4000, ' '), L"Endless"},
      {"binary noise", Behaviour::BinaryNoise, "", L""},
      {"trickles", Behaviour::Trickle, std::string(200, ' ') + titled, L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HttpTestServer server(c.behaviour, c.body);
    ASSERT_TRUE(server.Started());
    const std::string bytes = Download(server.Url(), Limits()).bytes;
    EXPECT_LE(bytes.size(), 2048u + 1024u);
    EXPECT_EQ(TitleFromPageBytes(bytes, 2048), c.title);
  }
}

TEST_F(WebTitle, NothingToFetchGivesNoTitle) {
  EXPECT_EQ(FetchWebTitle(L"", Limits()), L"");
  EXPECT_EQ(FetchWebTitle(L"#only-a-fragment", Limits()), L"");
  const std::wstring down = L"http://127.0.0.1:" + std::to_wstring(test::UnusedLoopbackPort()) + L"/";
  EXPECT_EQ(Download(down, Limits()).bytes, "");
  EXPECT_EQ(FetchWebTitle(down, Limits()), L"");
}

TEST_F(WebTitle, AFetchGivenUpLeavesTheNextOneItsOwnPage) {
  // The window gives a fetch up and starts the next at once, while the first one's thread is
  // still in a call on the server: whatever that thread does next, the new fetch reads only
  // its own page.
  settings_.ConnectTimeOut = 30;
  settings_.ReceiveTimeOut = 30;
  HttpTestServer server(Behaviour::SlowPages);
  ASSERT_TRUE(server.Started());
  const FetchLimits limits = Limits();
  FetchEnd end;
  for (unsigned round = 0; round < 200; ++round) {
    SCOPED_TRACE(round);
    const std::wstring n = std::to_wstring(round);
    const WPARAM nextId = round + 1;
    auto given = std::make_unique<PageDownload>(server.Url(L"/given-up/" + n), limits, end.Window(),
                                                FetchEnd::kMessage, 0);
    ASSERT_TRUE(server.WaitForRequests(2 * round + 1, 30000));
    given.reset();
    const PageDownload next(server.Url(L"/next/" + n), limits, end.Window(), FetchEnd::kMessage, nextId);
    ASSERT_TRUE(end.Wait(nextId));
    ASSERT_EQ(TitleFromPageBytes(next.Bytes(), limits.htmlBuffer), L"/next/" + n);
  }
}

// The time-out a session opened for a fetch holds as `option`; nothing when it keeps none.
std::optional<DWORD> SessionOption(const FetchLimits& limits, DWORD option) {
  const InternetHandle session = OpenFetchSession(limits);
  DWORD ms = 0, size = sizeof(ms);
  if (!session || !InternetQueryOptionW(session.get(), option, &ms, &size)) return std::nullopt;
  return ms;
}

TEST_F(WebTitle, TheConnectTimeOutIsSetOnTheSession) {
  EXPECT_EQ(SessionOption({2048, 3000, 7000}, INTERNET_OPTION_CONNECT_TIMEOUT), 3000u);
}

TEST_F(WebTitle, TheReceiveTimeOutIsSetOnTheSession) {
  const auto ms = SessionOption({2048, 3000, 7000}, INTERNET_OPTION_RECEIVE_TIMEOUT);
  if (!ms && test::RunningUnderWine()) GTEST_SKIP() << "Wine's WinINet keeps no receive time-out on a session handle";
  EXPECT_EQ(ms, 7000u);
}

}  // namespace
}  // namespace pelmora
