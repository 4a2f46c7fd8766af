#include "shortcut/sub_folder.h"

#include "win/message_box.h"
#include "win/system.h"
#include "text/text_rules.h"
#include "win/handles.h"

namespace pelmora {
namespace {

enum class FolderState { Exists, Missing, Unknown };

// Hidden and system folders count; an error other than "not found" means the question could
// not be answered (a drive that is not ready, a malformed path).
FolderState AskFolder(const std::wstring& folder) {
  if (folder.find_first_of(L"*?\"<>|") != std::wstring::npos) return FolderState::Unknown;
  const win::QuietCriticalErrors quiet;  // a drive that is not ready asks for no disk
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES)
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? FolderState::Exists : FolderState::Missing;
  const DWORD error = GetLastError();
  return (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) ? FolderState::Missing
                                                                          : FolderState::Unknown;
}

}  // namespace

SubFolderDecision ResolveSubFolder(HWND owner, DestinationKind kind, const std::wstring& comboText) {
  SubFolderDecision decision;
  const std::wstring folder = TrimSpaces(comboText);
  if (folder.empty()) return decision;
  const FolderState state = AskFolder(folder);
  if (state == FolderState::Unknown) return decision;
  // A drive root such as C:\ is never questioned.
  if (state == FolderState::Missing && folder.size() > 3) {
    const std::wstring text = QuotedDestinationName(kind) +
                              L"には指定されたフォルダは存在しません。\r\n\r\n新規にフォルダを作成しますか？\r\n";
    switch (MessageBox(owner, text, MB_ICONQUESTION | MB_YESNOCANCEL)) {
      case IDYES:
        if (!EnsureFolderExists(folder)) return decision;
        break;
      case IDNO:
        return decision;
      default:
        decision.outcome = SubFolderDecision::Cancel;
        return decision;
    }
  }
  decision.outcome = SubFolderDecision::Use;
  decision.folder = WithTrailingBackslash(folder);
  return decision;
}

}  // namespace pelmora
