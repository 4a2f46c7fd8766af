#include "naming/web_title_rules.h"

namespace pelmora {
namespace {

constexpr std::size_t kDefaultHtmlBuffer = 2048;
constexpr std::size_t kLargestHtmlBuffer = 16u * 1024 * 1024;
constexpr std::uint32_t kDefaultConnectTimeOut = 5;
constexpr std::uint32_t kDefaultReceiveTimeOut = 10;

std::uint32_t Milliseconds(int seconds, std::uint32_t defaultSeconds) {
  const std::uint32_t s = seconds > 0 ? static_cast<std::uint32_t>(seconds) : defaultSeconds;
  // Stored as 16-bit values; anything beyond is held there.
  return (s > 32767 ? 32767 : s) * 1000;
}

}  // namespace

std::wstring UrlWithoutFragment(std::wstring_view url) {
  return std::wstring(url.substr(0, url.rfind(L'#')));
}

FetchLimits FetchLimitsOf(const Settings& settings) {
  FetchLimits limits;
  limits.htmlBuffer = settings.HtmlBuffer > 0 ? static_cast<std::size_t>(settings.HtmlBuffer) : kDefaultHtmlBuffer;
  if (limits.htmlBuffer > kLargestHtmlBuffer) limits.htmlBuffer = kLargestHtmlBuffer;
  limits.connectTimeOutMs = Milliseconds(settings.ConnectTimeOut, kDefaultConnectTimeOut);
  limits.receiveTimeOutMs = Milliseconds(settings.ReceiveTimeOut, kDefaultReceiveTimeOut);
  return limits;
}

bool DownloadContinues(bool readOk, std::size_t bytesRead, std::size_t total, std::size_t htmlBuffer) {
  return readOk && bytesRead > 0 && total <= htmlBuffer;
}

}  // namespace pelmora
