// The title of a local HTML file, read through its Shift-JIS copy.
#include "naming/html_title.h"
#include "naming/japanese_text_file.h"
#include "naming/target_readers.h"
#include "naming/web_title_files.h"
#include "naming/web_title_rules.h"
#include "settings/settings.h"

namespace pelmora {

std::wstring ReadHtmlTitle(const std::wstring& path) {
  std::wstring convertedPath;
  const bool converted = ConvertTextFile(path, convertedPath);
  std::string bytes;
  const std::size_t examined = FetchLimitsOf(CurrentSettings()).htmlBuffer;
  std::wstring title;
  if (ReadFileHead(converted ? convertedPath : path, examined, bytes)) title = HtmlTitleFromBytes(bytes, examined);
  DeleteIfFile(convertedPath);
  return title;
}

}  // namespace pelmora
