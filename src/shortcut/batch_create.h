// A batch of targets written into the same destinations: each item validated and written as
// the create command writes a single one, with the questions shared across the batch. A
// missing sub-folder is asked about once per destination; an answer to an overwrite question
// may hold for every existing file after it; a file this batch wrote is never replaced by a
// later item of the same name.
#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "shortcut/create_command.h"
#include "shortcut/sub_folder.h"

namespace pelmora {

enum class OverwriteAnswer { Overwrite, OverwriteAll, Skip, SkipAll, Cancel };
// Asks whether the existing file `path` of destination `kind` is to be replaced.
using OverwriteQuestion = std::function<OverwriteAnswer(DestinationKind kind, const std::wstring& path)>;

struct BatchItemResult {
  // Refused: the name rules refused the shortcut before anything was written. Cancelled: a
  // question was cancelled, which ends the batch.
  enum Outcome { Made, NotMade, Refused, Cancelled } outcome = NotMade;
  int written = 0;
  std::wstring reason;                        // NotMade and Refused: the first reason met
  ShortcutField focus = ShortcutField::Name;  // Refused and Cancelled: the field concerned
  std::vector<RecentList> usedSubFolders;
};

class BatchWriter {
 public:
  // The destinations, sub-folders, All Users and the window the questions are modal to come
  // from `choices` (its shortcut is not used); `ask` asks the overwrite questions.
  BatchWriter(CreateRequest choices, const ShellLink& link, OverwriteQuestion ask);
  BatchWriter(const BatchWriter&) = delete;
  BatchWriter& operator=(const BatchWriter&) = delete;

  // Begins an item: its shortcut (values and name as typed or derived) checked by the name
  // rules; false when they refuse it (Result() says why).
  bool Begin(const ShellLinkInfo& values, const std::wstring& name);
  // Writes the item begun into its next destination, one file at a time; false once the item is
  // over and Result() tells how it went.
  bool WriteNext();
  const BatchItemResult& Result() const { return result_; }

 private:
  struct Step {
    enum Outcome { Written, NotWritten, Cancelled } outcome = NotWritten;
    std::wstring reason;
    ShortcutField focus = ShortcutField::Name;
  };
  Step WriteInto(DestinationKind kind, const PreparedShortcut& shortcut);
  // The first destination to write into from `index` on; kDestinationCount when none is left.
  int NextDestination(int index) const;
  // The item is over: made when every destination it was to go to was written.
  void Conclude();
  // The batch's answer for an existing file: asked, or given before for all.
  OverwriteAnswer AnswerFor(DestinationKind kind, const std::wstring& path);

  CreateRequest choices_;
  const ShellLink& link_;
  OverwriteQuestion ask_;
  // Per recent list: whether its sub-folder is used, skipped or the batch cancelled.
  std::array<std::optional<SubFolderDecision::Outcome>, 3> subFolders_;
  enum class Standing { Ask, OverwriteAll, SkipAll } standing_ = Standing::Ask;
  std::set<std::wstring> written_;  // upper-cased paths of the files this batch wrote
  // The item being written.
  PreparedShortcut shortcut_;
  std::array<bool, kDestinationCount> destinations_{};
  bool startupLeftOut_ = false;
  int next_ = kDestinationCount;
  int attempted_ = 0;
  BatchItemResult result_;
};

}  // namespace pelmora
