#include "win/picked_files.h"

#include <algorithm>

#include "text/text_rules.h"

namespace pelmora {

std::vector<std::wstring> PickedFiles(std::wstring_view buffer) {
  std::vector<std::wstring> parts;
  for (std::size_t i = 0; i < buffer.size() && buffer[i] != L'\0';) {
    const std::size_t end = std::min(buffer.find(L'\0', i), buffer.size());
    parts.emplace_back(buffer.substr(i, end - i));
    i = end + 1;
  }
  if (parts.size() < 2) return parts;
  std::vector<std::wstring> files;
  const std::wstring folder = WithTrailingBackslash(parts.front());
  for (std::size_t i = 1; i < parts.size(); ++i) files.push_back(folder + parts[i]);
  return files;
}

}  // namespace pelmora
