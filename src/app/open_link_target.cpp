#include "app/open_link_target.h"

#include "app/command_line.h"
#include "shortcut/name_rules.h"
#include "text/text_rules.h"
#include "url/classify_target.h"
#include "win/launch.h"
#include "win/message_box.h"

namespace pelmora {

OpenLinkResult OpenLinkTarget(HWND owner, const std::wstring& targetText) {
  const std::wstring target = TrimSpaces(targetText);
  const TargetKind kind = ClassifyTarget(target);
  if (IsFileSystemTarget(kind)) {
    if (LaunchExplorer(ExplorerSelectArguments(target))) return {OpenLinkOutcome::ExplorerStarted};
    MessageBox(owner, kOpenParentFailedMessage, MB_ICONEXCLAMATION | MB_OK);
    return {OpenLinkOutcome::ExplorerFailed};
  }
  if (kind == TargetKind::Url) {
    if (MessageBox(owner, L"ブラウザを起動してURLを開きますか？", MB_ICONQUESTION | MB_YESNO) != IDYES)
      return {OpenLinkOutcome::BrowserDeclined};
    OpenInShell(target);
    return {OpenLinkOutcome::BrowserOpened};
  }
  MessageBox(owner, kInvalidTargetMessage, MB_ICONEXCLAMATION | MB_OK);
  return {OpenLinkOutcome::InvalidTarget};
}

}  // namespace pelmora
