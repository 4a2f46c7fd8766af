#include "naming/web_title_rules.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(UrlWithoutFragment, DropsFromTheLastHash) {
  EXPECT_EQ(UrlWithoutFragment(L"http://a/b#top"), L"http://a/b");
  EXPECT_EQ(UrlWithoutFragment(L"http://a/b#x#y"), L"http://a/b#x");
  EXPECT_EQ(UrlWithoutFragment(L"http://a/b?q=1"), L"http://a/b?q=1");
}

TEST(FetchLimitsOf, UnusableValuesGiveTheDefaultsAndHugeBuffersAreHeld) {
  Settings s;
  s.HtmlBuffer = -5;
  s.ConnectTimeOut = 0;
  s.ReceiveTimeOut = -1;
  const FetchLimits limits = FetchLimitsOf(s);
  EXPECT_EQ(limits.htmlBuffer, 2048u);
  EXPECT_EQ(limits.connectTimeOutMs, 5000u);
  EXPECT_EQ(limits.receiveTimeOutMs, 10000u);
  s.HtmlBuffer = 0x7FFFFFFF;
  EXPECT_EQ(FetchLimitsOf(s).htmlBuffer, 16u * 1024 * 1024);
  s.ConnectTimeOut = 3;
  s.ReceiveTimeOut = 7;
  EXPECT_EQ(FetchLimitsOf(s).connectTimeOutMs, 3000u);
  EXPECT_EQ(FetchLimitsOf(s).receiveTimeOutMs, 7000u);
}

}  // namespace
}  // namespace pelmora
