#include "shortcut/batch_create.h"

#include "text/text_rules.h"
#include "url/classify_target.h"
#include "win/system.h"

namespace pelmora {

BatchWriter::BatchWriter(CreateRequest choices, const ShellLink& link, OverwriteQuestion ask)
    : choices_(std::move(choices)), link_(link), ask_(std::move(ask)) {}

bool BatchWriter::Begin(const ShellLinkInfo& values, const std::wstring& name) {
  result_ = BatchItemResult{};
  attempted_ = 0;
  next_ = kDestinationCount;
  shortcut_ = PrepareShortcut(values, name);
  const ShortcutInfoCheck check = CheckShortcutInfo(shortcut_.values.target, shortcut_.name, ClassifyTarget);
  if (!check.passed) {
    result_.outcome = BatchItemResult::Refused;
    result_.reason = check.message;
    result_.focus = check.focus;
    return false;
  }
  shortcut_.internet = check.kind == TargetKind::Url;
  destinations_ = DestinationsToWrite(choices_, shortcut_, startupLeftOut_);
  next_ = 0;
  return true;
}

int BatchWriter::NextDestination(int index) const {
  while (index < kDestinationCount && !destinations_[index]) ++index;
  return index;
}

bool BatchWriter::WriteNext() {
  const int index = NextDestination(next_);
  if (index < kDestinationCount) {
    next_ = index + 1;
    ++attempted_;
    const auto kind = static_cast<DestinationKind>(index);
    const Step step = WriteInto(kind, shortcut_);
    if (step.outcome == Step::Cancelled) {
      result_.outcome = BatchItemResult::Cancelled;
      result_.focus = step.focus;
      next_ = kDestinationCount;
      return false;
    }
    if (step.outcome == Step::Written) {
      ++result_.written;
      if (const SubFolderDestination* sub = SubFolderDestinationOf(kind)) result_.usedSubFolders.push_back(sub->list);
    } else if (result_.reason.empty()) {
      result_.reason = step.reason;
    }
  }
  if (NextDestination(next_) < kDestinationCount) return true;
  Conclude();
  return false;
}

void BatchWriter::Conclude() {
  next_ = kDestinationCount;
  if (attempted_ == 0)
    result_.reason = startupLeftOut_ ? L"シャットダウンなどのショートカットはスタートアップに作成しません" : L"作成場所がありません";
  result_.outcome = result_.written >= 1 && result_.written == attempted_ ? BatchItemResult::Made : BatchItemResult::NotMade;
}

BatchWriter::Step BatchWriter::WriteInto(DestinationKind kind, const PreparedShortcut& shortcut) {
  const std::wstring destination = QuotedDestinationName(kind);
  const ShortcutPlace place = PlaceOf(choices_, kind, shortcut);
  if (place.path.empty()) return {Step::NotWritten, destination + L"のフォルダがありません"};
  // Refused before any folder is made, as for a single target.
  if (IsShortcutPathTooLong(place.path)) return {Step::NotWritten, kPathTooLongMessage};
  if (place.sub) {
    std::optional<SubFolderDecision::Outcome>& decided = subFolders_[static_cast<int>(place.sub->list)];
    if (!decided) decided = ResolveSubFolder(choices_.owner, kind, place.folder).outcome;
    if (*decided == SubFolderDecision::Cancel) return {Step::Cancelled, {}, place.sub->field};
    if (*decided == SubFolderDecision::Skip) return {Step::NotWritten, destination + L"のフォルダがありません"};
  }
  // Two items of the same name: the first one's shortcut stays.
  const std::wstring key = ToUpper(place.path);
  if (written_.count(key)) return {Step::NotWritten, destination + L"には同じ名前のショートカットをこの一括作成で作成済みです"};
  if (GetPathKind(place.path) == PathKind::File) {
    const OverwriteAnswer answer = AnswerFor(kind, place.path);
    if (answer == OverwriteAnswer::Cancel) return {Step::Cancelled, {}, ShortcutField::Name};
    if (answer == OverwriteAnswer::Skip || answer == OverwriteAnswer::SkipAll)
      return {Step::NotWritten, destination + L"に同名のショートカットがあるため、上書きしませんでした"};
  }
  if (!WriteShortcutFile(place.path, shortcut, link_)) return {Step::NotWritten, destination + L"に書き込めませんでした"};
  written_.insert(key);
  return {Step::Written, {}};
}

OverwriteAnswer BatchWriter::AnswerFor(DestinationKind kind, const std::wstring& path) {
  if (standing_ == Standing::OverwriteAll) return OverwriteAnswer::Overwrite;
  if (standing_ == Standing::SkipAll) return OverwriteAnswer::Skip;
  const OverwriteAnswer answer = ask_ ? ask_(kind, path) : OverwriteAnswer::Cancel;
  if (answer == OverwriteAnswer::OverwriteAll) standing_ = Standing::OverwriteAll;
  if (answer == OverwriteAnswer::SkipAll) standing_ = Standing::SkipAll;
  return answer;
}

}  // namespace pelmora
