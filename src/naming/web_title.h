// Fetching the head of a web page with WinINet.
#pragma once
#include <cstddef>
#include <string>

namespace pelmora {

// Downloads the first bytes of the page: at most the configured buffer size plus one read of
// 1024 bytes, within the configured time-outs. Returns the count (0 on failure, `bytes` then
// empty). Pending window messages run between reads.
std::size_t DownloadPageHead(const std::wstring& url, std::string& bytes);

}  // namespace pelmora
