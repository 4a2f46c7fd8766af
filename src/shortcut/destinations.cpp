#include "shortcut/destinations.h"

#include "text/text_rules.h"

namespace pelmora {

const SubFolderDestination* SubFolderDestinationOf(DestinationKind kind) {
  for (const SubFolderDestination& d : kSubFolderDestinations)
    if (d.destination == kind) return &d;
  return nullptr;
}

std::wstring FixedDestinationFolder(const SpecialFolders& f, DestinationKind kind, bool allUsers) {
  switch (kind) {
    case DestinationKind::Desktop: return allUsers ? f.commonDesktop : f.desktop;
    case DestinationKind::Startup: return allUsers ? f.commonStartup : f.startup;
    case DestinationKind::Sendto: return f.sendTo;
    case DestinationKind::QuickLaunch: return f.quickLaunch;
    default: return {};
  }
}

std::wstring QuotedDestinationName(DestinationKind kind) {
  static const wchar_t* const names[kDestinationCount] = {
      L"「デスクトップ」", L"「スタートメニュー」", L"「スタートアップ」", L"「送るメニュー」",
      L"「クイック起動」", L"「任意の場所」",     L"「お気に入り」"};
  return names[static_cast<int>(kind)];
}

DestinationOfFile FindDestinationOfFile(const SpecialFolders& f, const std::wstring& shortcutPath) {
  std::wstring folder = shortcutPath;
  const auto slash = folder.rfind(L'\\');
  folder = slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash);
  if (!folder.empty() && folder.back() == L':') folder.push_back(L'\\');

  // Exact tests are case-sensitive; "lies in" ignores case. An empty folder never matches.
  auto equals = [&](const std::wstring& special) { return !special.empty() && folder == special; };
  auto liesIn = [&](const std::wstring& special) { return !special.empty() && ContainsNoCase(folder, special); };

  DestinationOfFile d;
  if (equals(f.desktop)) d = {DestinationKind::Desktop, false, {}};
  else if (equals(f.startup)) d = {DestinationKind::Startup, false, {}};
  else if (equals(f.sendTo)) d = {DestinationKind::Sendto, false, {}};
  else if (equals(f.quickLaunch)) d = {DestinationKind::QuickLaunch, false, {}};
  else if (liesIn(f.startMenu)) d = {DestinationKind::StartMenu, false, folder};
  else if (liesIn(f.favorites)) d = {DestinationKind::Favorites, false, folder};
  else if (equals(f.commonDesktop)) d = {DestinationKind::Desktop, true, {}};
  else if (equals(f.commonStartup)) d = {DestinationKind::Startup, true, {}};
  else if (liesIn(f.commonStartMenu)) d = {DestinationKind::StartMenu, true, folder};
  else d = {DestinationKind::Free, false, folder};
  return d;
}

}  // namespace pelmora
