// Any Url.ini section (the input as ANSI text, one line per line): the lists keep their promises
// to the URL dialog, and the offered templates line up with their captions.
#include <cstddef>
#include <cstdint>
#include <string>

#include "settings/settings_rules.h"
#include "settings/url_table_rules.h"
#include "text/code_page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::wstring section = pelmora::FromAnsiBytes(std::string(reinterpret_cast<const char*>(data), size));
  for (wchar_t& c : section)
    if (c == L'\n') c = L'\0';
  const std::vector<std::wstring> list = pelmora::ReadUrlList(section);
  if (list.empty() || list.size() > static_cast<size_t>(pelmora::kMaxUrlTableKeys)) __builtin_trap();
  for (const std::wstring& entry : list) {
    if (entry.empty() && list.size() != 1) __builtin_trap();
    if (pelmora::AnsiByteCount(entry) > pelmora::kProfileTextBytes) __builtin_trap();
  }
  for (const pelmora::UrlTemplate& t : pelmora::OfferedTemplates(list))
    if (t.caption.empty() || t.pattern.empty() || t.caption.find(L',') != std::wstring::npos) __builtin_trap();
  return 0;
}
