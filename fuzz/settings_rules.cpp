// Any settings file: lines of key=value in the ANSI code page decode without harm, and what is
// decoded stays inside its allowed values; the file rewritten with a close's writes is a file
// that the same writes leave as it is.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "text/code_page.h"
#include "settings/profile_text.h"
#include "settings/settings_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::map<std::wstring, std::wstring> values;
  std::size_t start = 0;
  while (start <= bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    const std::wstring line = pelmora::FromAnsiBytes(bytes.substr(start, end - start));
    const auto eq = line.find(L'=');
    if (eq != std::wstring::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
    start = end + 1;
  }
  const pelmora::StoredValue stored = [&](std::wstring_view key) -> std::optional<std::wstring> {
    const auto it = values.find(std::wstring(key));
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
  const pelmora::GeneralOptions options = pelmora::DecodeGeneral(stored);
  const pelmora::Settings& s = options.settings;
  for (int value : {s.WindowPos, s.CheckLocation, s.NoMessage, s.ArrowIcon, s.ExitAfterCreate, s.GetHtmlTitle,
                    s.GetUrlTitle, s.GetUrlDlgTitle, s.GetVersion, s.GetMp3Info, s.ExtCut})
    if (value != 0 && value != 1) __builtin_trap();
  if (s.Comment < 0 || s.Comment > 2) __builtin_trap();
  if (s.HtmlBuffer <= 0 || s.ConnectTimeOut <= 0 || s.ConnectTimeOut > 32767 || s.ReceiveTimeOut <= 0 ||
      s.ReceiveTimeOut > 32767)
    __builtin_trap();
  if (pelmora::AnsiByteCount(s.GetMp3Format) > pelmora::kProfileTextBytes) __builtin_trap();
  pelmora::DecodeShortcutFolder(stored);
  pelmora::DecodeWindowsVersionCheck(stored);
  pelmora::EncodeGeneral(s, options.windowLeftTop);

  pelmora::ProfileWrites writes = pelmora::SettingsWrites(s, options.windowLeftTop, pelmora::DecodeShortcutFolder(stored));
  writes.push_back({L"RecentDir", L"Start1", s.GetMp3Format});
  const pelmora::ProfileFileText file = pelmora::DecodeProfileFile(bytes);
  const std::wstring once = pelmora::ApplyProfileWrites(file.text, writes);
  if (pelmora::ApplyProfileWrites(once, writes) != once) __builtin_trap();
  pelmora::EncodeProfileFile({once, file.encoding});
  return 0;
}
