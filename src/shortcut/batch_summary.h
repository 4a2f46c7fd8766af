// The one summary at the end of a batch of targets: how many items got their shortcuts, and
// which did not and why.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace pelmora {

struct BatchFailure {
  std::wstring item;    // as the summary names it (its file name)
  std::wstring reason;  // one line
};

struct BatchTally {
  int items = 0;  // in the batch
  int made = 0;   // items whose every shortcut was written
  int files = 0;  // shortcut files written
  std::vector<BatchFailure> failures;  // items tried and not made, in their order
  int notTried = 0;                    // items the batch stopped before
};

// The failed items the summary names; the rest are counted.
inline constexpr std::size_t kNamedFailures = 20;

// Every item was tried and made.
bool AllMade(const BatchTally& tally);

// "5 件すべてのショートカットを作成しました（ファイル 10 個）。", or how many of how many
// were made, the items not made with their reasons (the first kNamedFailures, then
// "ほか N 件"), and how many the batch stopped before.
std::wstring BatchSummaryText(const BatchTally& tally);

}  // namespace pelmora
