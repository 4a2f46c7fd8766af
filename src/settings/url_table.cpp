#include "settings/url_table.h"

#include <windows.h>

#include "settings/profile_file.h"
#include "win/handles.h"
#include "win/system.h"

namespace pelmora {

namespace {
constexpr std::size_t kTemplates = 3;
}

bool WriteDefaultUrlTable(const std::wstring& path) {
  // One write of the whole text: the profile functions would rewrite the comment lines on
  // some systems, and one write is all a start-up should cost.
  const std::string bytes = DefaultUrlTableBytes(true);
  const win::FileHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

bool WriteDefaultUrlTemplates(const std::wstring& path) {
  const auto& templates = DefaultUrlTable().lists[kTemplates];
  bool all = true;
  for (std::size_t i = 0; i < templates.size(); ++i)
    all = WriteProfileValue(path, kUrlTableSections[kTemplates], L"URL" + std::to_wstring(i + 1), templates[i]) && all;
  return all;
}

UrlTable LoadUrlTable(const std::wstring& path) {
  bool templatesNotWritten = false;
  if (GetPathKind(path) != PathKind::File) {
    if (!WriteDefaultUrlTable(path)) return DefaultUrlTable();
  } else if (LacksTemplates(ReadProfileSectionText(path, kUrlTableSections[kTemplates]))) {
    templatesNotWritten = !WriteDefaultUrlTemplates(path);
  }
  UrlTable table;
  for (std::size_t i = 0; i < table.lists.size(); ++i)
    table.lists[i] = ReadUrlList(ReadProfileSectionText(path, kUrlTableSections[i]));
  if (templatesNotWritten) table.lists[kTemplates] = DefaultUrlTable().lists[kTemplates];
  return table;
}

}  // namespace pelmora
