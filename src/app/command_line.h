// The command-line grammar: the window-less /LNK and /AUTO actions, otherwise the main window.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

enum class StartAction { MainWindow, OpenLinkTarget, AutoInternetShortcut };

struct StartRequest {
  StartAction action = StartAction::MainWindow;
  // For /LNK and /AUTO: the text after the five characters "/LNK " or "/AUTO", unchanged.
  std::wstring argument;
};

// The argument text exactly as the process received it: everything after the program's own
// path (quoted or bare) and the blanks that separate it, nothing re-joined or unquoted.
std::wstring RawArgumentText(std::wstring_view processCommandLine);

// "/LNK" (any case) with more than 5 characters in all, "/AUTO" with more than 6; anything
// else, including "/LNK" or "/AUTO" alone or with one more character, opens the main window.
StartRequest ClassifyCommandLine(std::wstring_view argumentText);

// The targets of the main window's start-up text. Explorer's Send To hands a multiple selection
// over as full paths separated by blanks, each in double quotes when it holds a blank. The text
// stays one target, for the rules of a single one, when it holds "://" (a URL, perhaps with a
// title), when the whole of it (less a pair of quotes around it) names an existing file or folder
// by `exists`, and when it is not two or more full paths (each beginning with a drive's "X:\" or
// a share's "\\"); that one target is the text unchanged.
std::vector<std::wstring> StartupTargets(std::wstring_view text, const std::function<bool(const std::wstring&)>& exists);

// Messages of the two window-less actions, shown with the exclamation icon.
inline constexpr wchar_t kAutoUsageMessage[] =
    L"コマンドラインが正しくありません。\r\n\r\n/AUTO[\"作成場所のパス\"](半角ｽﾍﾟｰｽ)URL(半角ｽﾍﾟｰｽ)タイトル\r\n\r\nとしてください。";
inline constexpr wchar_t kAutoFolderMissingMessage[] = L"指定されたフォルダは存在しません。";
inline constexpr wchar_t kAutoDesktopMessage[] = L"デスクトップのパス取得に失敗しました。";
inline constexpr wchar_t kAutoBadUrlMessage[] = L"URLが正しくありません。";
inline constexpr wchar_t kAutoFailedMessage[] = L"インターネットショートカットの作成に失敗しました。";
inline constexpr wchar_t kLinkTargetMissingMessage[] = L"リンク先のファイルまたはフォルダが存在しません。";
inline constexpr wchar_t kOpenParentFailedMessage[] = L"リンク先の親フォルダを開くことに失敗しました。";

// Explorer's arguments that open the folder holding `target`, with the target selected.
std::wstring ExplorerSelectArguments(std::wstring_view target);
// Explorer's arguments that open `folder`.
std::wstring ExplorerOpenArguments(std::wstring_view folder);

// /LNK: the link path of the argument, without a pair of double quotes around it.
std::wstring LinkPathOfArgument(std::wstring_view argument);

// /AUTO, first step: where the shortcut goes. A blank first means the desktop; a double quote
// first means the folder up to the next double quote (one trailing "\" dropped), and the rest
// then starts one character after that quote, whatever the character is.
struct AutoFolderPart {
  enum Kind { Desktop, Quoted, Usage } kind = Usage;
  std::wstring folder;  // Quoted only
  std::wstring rest;    // the URL and the title
};
AutoFolderPart ParseAutoFolder(std::wstring_view argument);

// /AUTO, second step: the URL before the first blank of the rest, and the name of the file made
// from the title after it. `message` is empty when the two are usable.
struct AutoNameParts {
  std::wstring message;
  std::wstring url;
  std::wstring name;
};
AutoNameParts ParseAutoUrlAndTitle(std::wstring_view rest);

// The file name of the shortcut for a title, without ".url": the title made file-name safe and
// trimmed. A title that leaves nothing but dots, or nothing, gives way to the URL made file-name
// safe; a device name (which the system would open instead of a file) gets "_" after its device
// part, as every proposed name does.
std::wstring AutoShortcutName(std::wstring_view url, std::wstring_view title);

// The n-th candidate path: folder\name.url, then folder\name (2).url, (3) and so on.
std::wstring NumberedShortcutPath(std::wstring_view folder, std::wstring_view name, int n);
// Candidates tried before /AUTO gives up with the creation-failure message.
inline constexpr int kMaxShortcutNumber = 9999;

}  // namespace pelmora
