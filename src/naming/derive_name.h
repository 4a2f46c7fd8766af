// The name, working folder and comment proposed for a new target.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "naming/path_names.h"
#include "settings/settings.h"
#include "url/target_kind.h"

namespace pelmora {

// The name shown while a page title is fetched, and the name given when the fetch found none.
inline constexpr wchar_t kFetchingTitleText[] = L"タイトル取得中...";
inline constexpr wchar_t kTitleFetchFailedText[] = L"タイトル取得に失敗しました";

// Turns characters that file names cannot hold into allowed ones.
using NameSanitizer = std::function<std::wstring(std::wstring_view text)>;
// Shows a status text in the name field and lets pending window messages run once.
using StatusShower = std::function<void(const std::wstring& text)>;

// The proposed name for `target` of the given kind: a drive's volume label, an HTML or web
// page title, an executable's version names, an MP3 file's tags, or the file name (without
// its extension by `ExtCut`; a .lnk or .url file always loses it). The result has passed
// through `sanitize`, except kTitleFetchFailedText for a URL whose title was not found.
// `showStatus` (may be empty) runs before a page title is fetched.
std::wstring DeriveShortcutName(const std::wstring& target, TargetKind kind, const Settings& settings,
                                const StatusShower& showStatus, const NameSanitizer& sanitize);

// The comment proposed for the target text in the target field: by `Comment`, nothing, the
// text itself, or for an .exe the FileDescription read by the last DeriveShortcutName.
std::wstring DeriveComment(const std::wstring& linkPathText, const Settings& settings);

}  // namespace pelmora
