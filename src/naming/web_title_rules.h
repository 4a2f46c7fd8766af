// The rules of a page fetch that need no network: which URL is requested and how far the
// configured buffer and time-outs reach.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace pelmora {

// The URL without anything from its last "#" on: the fragment is never sent.
std::wstring UrlWithoutFragment(std::wstring_view url);

struct FetchLimits {
  std::size_t htmlBuffer;  // bytes examined for the title; the download stops past it
  std::uint32_t connectTimeOutMs;
  std::uint32_t receiveTimeOutMs;
};

// The settings' values, a zero or negative one replaced by its default. The buffer is held to
// 16 MiB: the title search never reaches further than 32767 characters anyway.
FetchLimits FetchLimitsOf(const Settings& settings);

// The download goes on after a read only when the read succeeded, delivered bytes, and the
// total has not yet passed the buffer size.
bool DownloadContinues(bool readOk, std::size_t bytesRead, std::size_t total, std::size_t htmlBuffer);

}  // namespace pelmora
