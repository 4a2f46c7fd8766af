#include "app/command_line.h"

#include "shortcut/name_rules.h"
#include "text/text_rules.h"

namespace pelmora {
namespace {

constexpr bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

bool IsFullPath(std::wstring_view path) {
  if (StartsWithDrive(path)) return path.size() >= 3 && path[2] == L'\\';
  return path.size() > 2 && path[0] == L'\\' && path[1] == L'\\';
}

// The paths of a Send To list; empty when the text is no such list.
std::vector<std::wstring> SplitPathList(std::wstring_view text) {
  std::vector<std::wstring> paths;
  std::size_t i = 0;
  for (;;) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i == text.size()) return paths;
    std::size_t end;
    std::wstring_view path;
    if (text[i] == L'"') {
      end = text.find(L'"', i + 1);
      if (end == std::wstring_view::npos) return {};
      path = text.substr(i + 1, end - i - 1);
      if (++end < text.size() && !IsBlank(text[end])) return {};
    } else {
      end = i;
      while (end < text.size() && !IsBlank(text[end])) ++end;
      path = text.substr(i, end - i);
      if (path.find(L'"') != std::wstring_view::npos) return {};
    }
    if (!IsFullPath(path)) return {};
    paths.emplace_back(path);
    i = end;
  }
}

}  // namespace

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

std::vector<std::wstring> StartupTargets(std::wstring_view text, const std::function<bool(const std::wstring&)>& exists) {
  const std::wstring whole(text);
  const bool quoted = whole.size() >= 2 && whole.front() == L'"' && whole.back() == L'"';
  // The whole text first: an unquoted path with blanks in it is one path.
  if (whole.find(L"://") != std::wstring::npos || (exists && exists(quoted ? whole.substr(1, whole.size() - 2) : whole)))
    return {whole};
  std::vector<std::wstring> paths = SplitPathList(text);
  if (paths.size() < 2) return {whole};
  return paths;
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
