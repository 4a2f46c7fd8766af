// The title of a local HTML file (and of a downloaded page, which is kept in a file first).
#include "naming/html_title.h"
#include "naming/japanese_text_file.h"
#include "naming/target_readers.h"
#include "naming/web_title_files.h"

namespace pelmora {

std::wstring ReadHtmlTitle(const std::wstring& path, std::size_t htmlBuffer) {
  // The Shift-JIS copy is still made in the temporary folder while the file is read, as it always
  // has been; the title itself comes from the file's own bytes, since a Shift-JIS copy loses
  // every character the code page lacks.
  std::wstring convertedPath;
  ConvertTextFile(path, convertedPath);
  std::string bytes;
  std::wstring title;
  if (ReadFileHead(path, htmlBuffer, bytes)) title = TitleFromPageBytes(bytes, htmlBuffer);
  DeleteIfFile(convertedPath);
  return title;
}

}  // namespace pelmora
