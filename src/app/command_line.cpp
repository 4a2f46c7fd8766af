#include "app/command_line.h"

#include "shortcut/name_rules.h"
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

std::wstring ExplorerSelectArguments(std::wstring_view target) {
  return L"/select,\"" + std::wstring(target) + L"\"";
}

std::wstring ExplorerOpenArguments(std::wstring_view folder) { return L"\"" + std::wstring(folder) + L"\""; }

std::wstring LinkPathOfArgument(std::wstring_view argument) {
  if (argument.size() >= 2 && argument.front() == L'"' && argument.back() == L'"')
    return std::wstring(argument.substr(1, argument.size() - 2));
  return std::wstring(argument);
}

AutoFolderPart ParseAutoFolder(std::wstring_view argument) {
  AutoFolderPart part;
  if (argument.empty()) return part;
  if (argument[0] == L' ') {
    part.kind = AutoFolderPart::Desktop;
    part.rest = argument.substr(1);
  } else if (argument[0] == L'"') {
    const auto close = argument.find(L'"', 1);
    if (close == std::wstring_view::npos) return part;
    part.kind = AutoFolderPart::Quoted;
    part.folder = argument.substr(1, close - 1);
    if (!part.folder.empty() && part.folder.back() == L'\\') part.folder.pop_back();
    // The one character after the quote is the separator, whatever it is.
    if (close + 2 <= argument.size()) part.rest = argument.substr(close + 2);
  }
  return part;
}

AutoNameParts ParseAutoUrlAndTitle(std::wstring_view rest) {
  AutoNameParts parts;
  const auto blank = rest.find(L' ');
  if (blank == std::wstring_view::npos) {
    parts.message = kAutoUsageMessage;
    return parts;
  }
  parts.url = rest.substr(0, blank);
  if (parts.url.find(L"://") == std::wstring::npos) {
    parts.message = kAutoBadUrlMessage;
    return parts;
  }
  parts.name = AutoShortcutName(parts.url, rest.substr(blank + 1));
  return parts;
}

std::wstring AutoShortcutName(std::wstring_view url, std::wstring_view title) {
  const std::wstring name = TrimSpaces(SanitizeShortcutName(title));
  // Nothing but dots (or nothing at all) names no file of its own: the URL stands in for it.
  if (name.find_first_not_of(L'.') == std::wstring::npos) return SanitizeShortcutName(url);
  // A device name is moved aside as every proposed name is ("CON" becomes "CON_").
  return IsReservedDeviceName(name) ? AvoidReservedName(name) : name;
}

std::wstring NumberedShortcutPath(std::wstring_view folder, std::wstring_view name, int n) {
  std::wstring path = std::wstring(folder) + L"\\" + std::wstring(name);
  if (n > 1) path += L" (" + std::to_wstring(n) + L")";
  return path + L".url";
}

}  // namespace pelmora
