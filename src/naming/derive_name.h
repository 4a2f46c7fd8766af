// The name, working folder and comment proposed for a new target.
#pragma once
#include <string>

#include "naming/path_names.h"
#include "settings/settings.h"
#include "url/target_kind.h"

namespace pelmora {

// The name shown while a page title is fetched, and the name given when the fetch found none.
inline constexpr wchar_t kFetchingTitleText[] = L"タイトル取得中...";
inline constexpr wchar_t kTitleFetchFailedText[] = L"タイトル取得に失敗しました";

// What naming a target found: the proposed name, for an executable the description its
// version information holds (the comment may be made from it), and whether the name is to come
// from the web page's title, which the caller fetches (the name is then empty).
struct NameProposal {
  std::wstring name;
  std::wstring fileDescription;
  bool fetchTitle = false;
};

// The proposed name for `target` of the given kind: a drive's volume label, an HTML page
// title, an executable's version names, an MP3 file's tags, or the file name (without its
// extension by `ExtCut`; a .lnk or .url file always loses it), made safe for a file name. A URL
// asks for its page title when `GetUrlTitle` is on.
NameProposal DeriveShortcutName(const std::wstring& target, TargetKind kind, const Settings& settings);

// The name from a fetched page head: its title made safe for a file name, or
// kTitleFetchFailedText when the page gave none.
std::wstring NameFromFetchedPage(const std::string& bytes, const Settings& settings);

// The comment proposed for the target text in the target field: by `Comment`, nothing, the
// text itself, or for an .exe the description the naming of that target found.
std::wstring DeriveComment(const std::wstring& linkPathText, const Settings& settings,
                           const std::wstring& fileDescription);

}  // namespace pelmora
