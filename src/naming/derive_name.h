// The name, working folder and comment proposed for a new target.
#pragma once
#include <functional>
#include <string>

#include "naming/path_names.h"
#include "settings/settings.h"
#include "url/target_kind.h"

namespace pelmora {

// The name shown while a page title is fetched, and the name given when the fetch found none.
inline constexpr wchar_t kFetchingTitleText[] = L"タイトル取得中...";
inline constexpr wchar_t kTitleFetchFailedText[] = L"タイトル取得に失敗しました";

// What naming a target found: the proposed name, and for an executable the description its
// version information holds (the comment may be made from it).
struct NameProposal {
  std::wstring name;
  std::wstring fileDescription;
};

// Shows a status text in the name field and lets pending window messages run once.
using StatusShower = std::function<void(const std::wstring& text)>;

// The proposed name for `target` of the given kind: a drive's volume label, an HTML or web
// page title, an executable's version names, an MP3 file's tags, or the file name (without
// its extension by `ExtCut`; a .lnk or .url file always loses it). The name is made safe for
// a file name, except kTitleFetchFailedText for a URL whose title was not found.
// `showStatus` (may be empty) runs before a page title is fetched.
NameProposal DeriveShortcutName(const std::wstring& target, TargetKind kind, const Settings& settings,
                                const StatusShower& showStatus = {});

// The comment proposed for the target text in the target field: by `Comment`, nothing, the
// text itself, or for an .exe the description the naming of that target found.
std::wstring DeriveComment(const std::wstring& linkPathText, const Settings& settings,
                           const std::wstring& fileDescription);

}  // namespace pelmora
