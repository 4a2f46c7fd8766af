#include "naming/japanese_text.h"

#include <algorithm>
#include <cstring>

#include "text/code_page.h"
#include "text/text_rules.h"
#include "naming/japanese_text_converter.h"
#include "text/utf8.h"

namespace pelmora {
namespace {

constexpr char kVersionText[] = "Pelmora Japanese text converter 1.0";

// The converter's entry points, in the shape its callers have always used: a 255-byte version
// buffer, and an output buffer whose text ends at its first NUL.
void GetNkfVersion(char* buffer) { std::strncpy(buffer, kVersionText, 254); }

// `input` is the text itself, without the terminator its buffer was given: in UTF-16 a zero byte
// belongs to the last character. `output` holds `capacity` zero bytes. Only Shift-JIS output is
// provided: a request for EUC-JP, JIS or Unicode output leaves the output empty.
void NkfConvert(char* output, std::size_t capacity, std::string_view input, std::string_view options) {
  if (capacity == 0 || options.find_first_of("ejwW") != std::string_view::npos) return;
  const std::string converted = ConvertToShiftJis(input);
  std::memcpy(output, converted.data(), std::min(converted.size(), capacity - 1));
}

}  // namespace

std::wstring GetNkfVersionText() {
  char buffer[255] = {};
  GetNkfVersion(buffer);
  return TrimSpaces(FromAnsiBytes(std::string_view(buffer, std::strlen(buffer))));
}

std::size_t NkfConvertBytes(std::string_view input, std::string& output, std::string_view options) {
  output.clear();
  const std::size_t n = input.size() + (input.empty() || input.back() != '\0' ? 1 : 0);  // with a terminator
  if (options.empty()) options = "s";
  const bool jisTarget = options.find('j') != std::string_view::npos && options.find('e') == std::string_view::npos;
  std::string buffer((jisTarget ? 3 : 2) * n + 1, '\0');
  NkfConvert(buffer.data(), buffer.size(), input, options);
  output.assign(buffer.data(), std::strlen(buffer.data()));
  return output.size();
}

std::size_t ConvertTextBytes(std::string_view input, std::string& output) {
  output.clear();
  if (IsLikelyUtf8(input, kUtf8CheckWindow)) {
    output = ToAnsiBytes(DecodeUtf8(input, L"?"));
    return output.size();
  }
  if (!GetNkfVersionText().empty()) return NkfConvertBytes(input, output, "s");
  return 0;
}

}  // namespace pelmora
