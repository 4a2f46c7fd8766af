#include "naming/derive_name.h"

#include "app/text_rules.h"
#include "naming/target_readers.h"
#include "naming/volume_label.h"

namespace pelmora {

namespace {

// What a file's contents say its name is; empty when no reader ran or it found nothing.
std::wstring NameFromContents(const std::wstring& target, const std::wstring& fileName, const Settings& settings) {
  const std::wstring upper = ToUpper(fileName);
  if (EndsWith(upper, L".HTML") || EndsWith(upper, L".HTM"))
    return settings.GetHtmlTitle == 1 ? ReadHtmlTitle(target) : std::wstring();
  if (EndsWith(upper, L".EXE")) {
    // The comment proposal reads the description again, so it is refreshed for it too.
    if (settings.GetVersion == 1 || settings.Comment == 2) ReadVersionNames(target);
    if (settings.GetVersion != 1) return {};
    const VersionNames& names = LastVersionNames();
    return names.ProductName.empty() ? names.FileDescription : names.ProductName;
  }
  if (EndsWith(upper, L".MP3") && settings.GetMp3Info == 1) return ReadMp3Name(target);
  return {};
}

}  // namespace

std::wstring DeriveShortcutName(const std::wstring& target, TargetKind kind, const Settings& settings,
                                const StatusShower& showStatus, const NameSanitizer& sanitize) {
  std::wstring name;
  switch (kind) {
    case TargetKind::Folder: {
      name = IsDriveRoot(target) ? VolumeLabelOf(target) : FileNameOf(target);
      break;
    }
    case TargetKind::File: {
      name = NameFromContents(target, FileNameOf(target), settings);
      if (name.empty()) name = NameFromFileName(target, settings.ExtCut);
      break;
    }
    case TargetKind::Url: {
      if (settings.GetUrlTitle != 1) break;
      if (showStatus) showStatus(kFetchingTitleText);
      name = FetchWebTitle(target);
      if (name.empty()) return kTitleFetchFailedText;
      break;
    }
    case TargetKind::Invalid:
      break;
  }
  return sanitize ? sanitize(name) : name;
}

std::wstring DeriveComment(const std::wstring& linkPathText, const Settings& settings) {
  switch (settings.Comment) {
    case 1:
      return linkPathText;
    case 2:
      return EndsWith(ToUpper(linkPathText), L".EXE") ? LastVersionNames().FileDescription : std::wstring();
    default:
      return {};
  }
}

}  // namespace pelmora
