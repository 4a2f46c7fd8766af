#include "app/batch_run.h"

#include "app/shortcut_form.h"
#include "naming/path_names.h"
#include "naming/target_shortcut.h"

namespace pelmora {
namespace {

// The summary names an item by its file name (a drive root by its path), on one line.
std::wstring ItemName(const std::wstring& item) {
  const std::wstring name = FileNameOf(item);
  return name.empty() ? item : name;
}

std::wstring OneLine(std::wstring text) {
  for (std::size_t at; (at = text.find(L"\r\n")) != std::wstring::npos;) text.erase(at, 2);
  return text;
}

}  // namespace

void BatchRun::Begin(BatchStart start, OverwriteQuestion ask) {
  start_ = std::move(start);
  next_ = 0;
  tally_ = BatchTally{};
  tally_.items = Total();
  used_.clear();
  focus_.reset();
  refusal_.clear();
  writing_ = stopped_ = cancelled_ = quiet_ = false;
  writer_.emplace(start_.request, link_, std::move(ask));
}

bool BatchRun::Next() {
  if (!Running()) return false;
  if (writing_) {
    if (!writer_->WriteNext()) {
      writing_ = false;
      Tried(ItemOf(next_ - 1), writer_->Result());
    }
  } else if (!stopped_ && Done() < Total()) {
    BeginItem();
  }
  return writing_ || (!stopped_ && Done() < Total());
}

void BatchRun::BeginItem() {
  const std::size_t index = next_++;
  if (index == 0) {
    // The form's shortcut is checked as a single one: a refusal says why and ends the batch
    // before anything is written.
    writing_ = writer_->Begin(start_.request.link, start_.request.name);
    if (!writing_) {
      refusal_ = writer_->Result().reason;
      focus_ = writer_->Result().focus;
      stopped_ = true;
    }
    return;
  }
  const std::wstring& item = ItemOf(index);
  TargetShortcut target = ShortcutOfTarget(item, start_.longNames, start_.settings, link_);
  if (!target.problem.empty()) return Failed(item, target.problem);
  // A link's run size as the form's list would hold it.
  target.values.showCommand = ShowCommandOfEntry(RunSizeEntryOf(target.values.showCommand));
  writing_ = writer_->Begin(target.values, target.name);
  if (!writing_) Failed(item, writer_->Result().reason);
}

void BatchRun::Tried(const std::wstring& item, const BatchItemResult& result) {
  tally_.files += result.written;
  used_.insert(result.usedSubFolders.begin(), result.usedSubFolders.end());
  switch (result.outcome) {
    case BatchItemResult::Made:
      ++tally_.made;
      break;
    case BatchItemResult::Cancelled:
      Failed(item, L"キャンセルしました");
      focus_ = result.focus;
      stopped_ = cancelled_ = true;
      break;
    default:
      Failed(item, result.reason);
      break;
  }
}

void BatchRun::Failed(const std::wstring& item, std::wstring reason) {
  tally_.failures.push_back({ItemName(item), OneLine(std::move(reason))});
}

void BatchRun::Stop(bool quietly) {
  stopped_ = true;
  quiet_ = quiet_ || quietly;
}

BatchEnd BatchRun::End() {
  BatchEnd end;
  end.usedSubFolders.assign(used_.begin(), used_.end());
  end.focus = focus_;
  tally_.notTried = Total() - Done();
  end.finished = refusal_.empty() && !cancelled_ && tally_.notTried == 0;
  if (!refusal_.empty()) {
    end.message = refusal_;
    end.style = MB_ICONEXCLAMATION | MB_OK;
  } else if (quiet_) {
    // The window is closing: nothing more is said.
  } else if (!AllMade(tally_)) {
    end.message = BatchSummaryText(tally_);
    end.style = MB_ICONEXCLAMATION | MB_OK;
  } else if (!start_.request.noMessage) {
    end.message = BatchSummaryText(tally_);
    end.style = MB_ICONINFORMATION | MB_OK;
  }
  writer_.reset();
  return end;
}

}  // namespace pelmora
