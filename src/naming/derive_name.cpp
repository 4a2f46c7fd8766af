#include "naming/derive_name.h"

#include "naming/html_title.h"
#include "naming/target_readers.h"
#include "naming/volume_label.h"
#include "shortcut/name_rules.h"
#include "text/text_rules.h"

namespace pelmora {

namespace {

// What a file's contents say its name is; empty when no reader ran or it found nothing.
NameProposal NameFromContents(const std::wstring& target, const std::wstring& fileName, const Settings& settings) {
  NameProposal found;
  const std::wstring upper = ToUpper(fileName);
  if (EndsWith(upper, L".HTML") || EndsWith(upper, L".HTM")) {
    if (settings.GetHtmlTitle) found.name = ReadHtmlTitle(target, FetchLimitsOf(settings).htmlBuffer);
  } else if (EndsWith(upper, L".EXE")) {
    // The comment proposal uses the description, so it is read for it too.
    if (!settings.GetVersion && settings.Comment != 2) return found;
    const VersionNames names = ReadVersionNames(target);
    found.fileDescription = names.FileDescription;
    if (settings.GetVersion) found.name = names.ProductName.empty() ? names.FileDescription : names.ProductName;
  } else if (EndsWith(upper, L".MP3") && settings.GetMp3Info) {
    found.name = ReadMp3Name(target, settings.GetMp3Format);
  }
  return found;
}

}  // namespace

NameProposal DeriveShortcutName(const std::wstring& target, TargetKind kind, const Settings& settings) {
  NameProposal proposal;
  switch (kind) {
    case TargetKind::Folder:
      proposal.name = IsDriveRoot(target) ? VolumeLabelOf(target) : FileNameOf(target);
      break;
    case TargetKind::File:
      proposal = NameFromContents(target, FileNameOf(target), settings);
      if (proposal.name.empty()) proposal.name = NameFromFileName(target, settings.ExtCut);
      break;
    case TargetKind::Url:
      proposal.fetchTitle = settings.GetUrlTitle;
      break;
    case TargetKind::Invalid:
      break;
  }
  proposal.name = ProposedFileName(proposal.name);
  return proposal;
}

std::wstring NameFromFetchedPage(const std::string& bytes, const Settings& settings) {
  const std::wstring title = TitleFromPageBytes(bytes, FetchLimitsOf(settings).htmlBuffer);
  return title.empty() ? std::wstring(kTitleFetchFailedText) : ProposedFileName(title);
}

std::wstring DeriveComment(const std::wstring& linkPathText, const Settings& settings,
                           const std::wstring& fileDescription) {
  switch (settings.Comment) {
    case 1:
      return linkPathText;
    case 2:
      return EndsWith(ToUpper(linkPathText), L".EXE") ? fileDescription : std::wstring();
    default:
      return {};
  }
}

}  // namespace pelmora
