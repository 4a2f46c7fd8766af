#include "naming/web_title_rules.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(UrlWithoutFragment, DropsFromTheLastHash) {
  EXPECT_EQ(UrlWithoutFragment(L"http://a/b#top"), L"http://a/b");
  EXPECT_EQ(UrlWithoutFragment(L"http://a/b#x#y"), L"http://a/b#x");
  EXPECT_EQ(UrlWithoutFragment(L"http://a/b?q=1"), L"http://a/b?q=1");
  EXPECT_EQ(UrlWithoutFragment(L"#"), L"");
}

TEST(FetchLimitsOf, DefaultsReplaceZeroAndNegativeValues) {
  Settings s;
  s.HtmlBuffer = 4096;
  s.ConnectTimeOut = 2;
  s.ReceiveTimeOut = 3;
  FetchLimits limits = FetchLimitsOf(s);
  EXPECT_EQ(limits.htmlBuffer, 4096u);
  EXPECT_EQ(limits.connectTimeOutMs, 2000u);
  EXPECT_EQ(limits.receiveTimeOutMs, 3000u);

  s.HtmlBuffer = 0;
  s.ConnectTimeOut = -1;
  s.ReceiveTimeOut = 0;
  limits = FetchLimitsOf(s);
  EXPECT_EQ(limits.htmlBuffer, 2048u);
  EXPECT_EQ(limits.connectTimeOutMs, 5000u);
  EXPECT_EQ(limits.receiveTimeOutMs, 10000u);

  s.HtmlBuffer = 0x7FFFFFFF;
  s.ConnectTimeOut = 40000;
  EXPECT_EQ(FetchLimitsOf(s).htmlBuffer, 16u * 1024 * 1024);
  EXPECT_EQ(FetchLimitsOf(s).connectTimeOutMs, 32767000u);
}

TEST(DownloadContinues, StopsAtTheEndAFailureOrPastTheBuffer) {
  EXPECT_TRUE(DownloadContinues(true, 1024, 1024, 2048));
  EXPECT_TRUE(DownloadContinues(true, 1024, 2048, 2048));
  EXPECT_FALSE(DownloadContinues(true, 1024, 2049, 2048));
  EXPECT_FALSE(DownloadContinues(true, 0, 100, 2048));
  EXPECT_FALSE(DownloadContinues(false, 512, 512, 2048));
}

}  // namespace
}  // namespace pelmora
