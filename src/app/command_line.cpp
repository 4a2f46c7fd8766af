#include "app/command_line.h"

#include "text/text_rules.h"

namespace pelmora {

std::wstring RawArgumentText(std::wstring_view line) {
  size_t i = 0;
  if (!line.empty() && line[0] == L'"') {
    // A quoted program path ends at its closing quote, as the system reads it.
    const auto close = line.find(L'"', 1);
    i = close == std::wstring_view::npos ? line.size() : close + 1;
  } else {
    while (i < line.size() && line[i] != L' ' && line[i] != L'\t') ++i;
  }
  while (i < line.size() && (line[i] == L' ' || line[i] == L'\t')) ++i;
  return std::wstring(line.substr(i));
}

StartRequest ClassifyCommandLine(std::wstring_view text) {
  StartRequest request;
  if (text.size() > 5 && ToUpper(text.substr(0, 4)) == L"/LNK") {
    request.action = StartAction::OpenLinkTarget;
    request.argument = std::wstring(text.substr(5));
  } else if (text.size() > 6 && ToUpper(text.substr(0, 5)) == L"/AUTO") {
    request.action = StartAction::AutoInternetShortcut;
    request.argument = std::wstring(text.substr(5));
  }
  return request;
}

}  // namespace pelmora
