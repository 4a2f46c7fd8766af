// The title of a local HTML file, read through its Shift-JIS copy.
#include "naming/html_title.h"
#include "naming/japanese_text_file.h"
#include "naming/target_readers.h"
#include "naming/web_title_files.h"

namespace pelmora {

std::wstring ReadHtmlTitle(const std::wstring& path, std::size_t htmlBuffer) {
  std::wstring convertedPath;
  const bool converted = ConvertTextFile(path, convertedPath);
  std::string bytes;
  std::wstring title;
  if (ReadFileHead(converted ? convertedPath : path, htmlBuffer, bytes)) title = HtmlTitleFromBytes(bytes, htmlBuffer);
  DeleteIfFile(convertedPath);
  return title;
}

}  // namespace pelmora
