// A batch being created: the form's shortcut first, then each item as if it were the only
// target, into the destinations chosen when 作成 was pressed. The window runs a step at a time,
// its message loop turning between them: an item is begun (named, checked) in one step and
// written in one step per destination.
#pragma once
#include <windows.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "shortcut/batch_create.h"
#include "shortcut/batch_summary.h"

namespace pelmora {

struct BatchStart {
  // The form's shortcut and the shared choices: destinations, sub-folders, All Users, NoMessage.
  CreateRequest request;
  std::wstring lead;  // the form's item as it was handed over, for the summary
  std::vector<std::wstring> others;
  bool longNames = false;  // handed over on the command line
  Settings settings;       // how the others are named
};

// How a run ended, for the window to apply.
struct BatchEnd {
  std::wstring message;  // the summary, or why the form's shortcut was refused; empty: none
  UINT style = 0;
  std::vector<RecentList> usedSubFolders;
  std::optional<ShortcutField> focus;
  bool finished = false;  // every item was tried: nothing refused, cancelled or stopped
};

class BatchRun {
 public:
  BatchRun() = default;
  BatchRun(const BatchRun&) = delete;
  BatchRun& operator=(const BatchRun&) = delete;

  bool Running() const { return writer_.has_value(); }
  void Begin(BatchStart start, OverwriteQuestion ask);
  // Takes the next step; false when the run is over (End tells how).
  bool Next();
  // No further item is begun (the one being written is finished); `quietly`, without a summary
  // (the window is closing).
  void Stop(bool quietly);
  // Items finished, of all.
  int Done() const { return static_cast<int>(next_) - (writing_ ? 1 : 0); }
  int Total() const { return static_cast<int>(start_.others.size() + 1); }
  BatchEnd End();

 private:
  void BeginItem();
  const std::wstring& ItemOf(std::size_t index) const { return index == 0 ? start_.lead : start_.others[index - 1]; }
  void Tried(const std::wstring& item, const BatchItemResult& result);
  void Failed(const std::wstring& item, std::wstring reason);

  BatchStart start_;
  ShellLink link_;
  std::optional<BatchWriter> writer_;
  std::size_t next_ = 0;  // the next item to begin
  bool writing_ = false;  // the item before it is being written
  BatchTally tally_;
  std::set<RecentList> used_;
  std::optional<ShortcutField> focus_;
  std::wstring refusal_;
  bool stopped_ = false;    // no further item is tried
  bool cancelled_ = false;  // by an answer to a question
  bool quiet_ = false;
};

}  // namespace pelmora
