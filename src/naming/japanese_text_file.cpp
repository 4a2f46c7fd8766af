#include "naming/japanese_text_file.h"

#include "naming/japanese_text.h"
#include "naming/web_title_files.h"

namespace pelmora {
namespace {

// Only the start of a page can hold a title the reader finds (its tag positions end at
// character 32767), so a huge local file is not loaded whole.
constexpr std::size_t kConversionInputLimit = 16u * 1024 * 1024;

}  // namespace

bool ConvertTextFile(const std::wstring& inputPath, std::wstring& convertedPath) {
  convertedPath = TempFilePath(kConvertedTempName);
  if (convertedPath.empty()) return false;
  std::string input;
  if (!ReadFileHead(inputPath, kConversionInputLimit, input) || input.empty()) return false;
  std::string output;
  if (ConvertTextBytes(input, output) == 0) return false;
  DeleteIfFile(convertedPath);
  return WriteWholeFile(convertedPath, output);
}

}  // namespace pelmora
