// Fetching the head of a web page with WinINet.
#pragma once
#include <cstddef>
#include <string>

#include "naming/web_title_rules.h"

namespace pelmora {

// Downloads the first bytes of the page: at most the buffer size of `limits` plus one read
// of 1024 bytes, within its time-outs. Returns the count (0 on failure, `bytes` then
// empty). Pending window messages run between reads.
std::size_t DownloadPageHead(const std::wstring& url, const FetchLimits& limits, std::string& bytes);

}  // namespace pelmora
