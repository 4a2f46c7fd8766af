#include "shortcut/batch_summary.h"

namespace pelmora {
namespace {

std::wstring Number(int n) { return std::to_wstring(n); }

}  // namespace

bool AllMade(const BatchTally& tally) { return tally.notTried == 0 && tally.made == tally.items; }

std::wstring BatchSummaryText(const BatchTally& tally) {
  const std::wstring files = L"（ファイル " + Number(tally.files) + L" 個）。";
  if (AllMade(tally)) return Number(tally.items) + L" 件すべてのショートカットを作成しました" + files;
  std::wstring text = Number(tally.items) + L" 件のうち " + Number(tally.made) + L" 件のショートカットを作成しました" + files;
  if (!tally.failures.empty()) {
    text += L"\r\n\r\n作成されなかった項目 " + Number(static_cast<int>(tally.failures.size())) + L" 件:";
    for (std::size_t i = 0; i < tally.failures.size() && i < kNamedFailures; ++i)
      text += L"\r\n" + tally.failures[i].item + L" … " + tally.failures[i].reason;
    if (tally.failures.size() > kNamedFailures)
      text += L"\r\nほか " + Number(static_cast<int>(tally.failures.size() - kNamedFailures)) + L" 件";
  }
  if (tally.notTried > 0) text += L"\r\n\r\n中止したため、残りの " + Number(tally.notTried) + L" 件は作成していません。";
  return text;
}

}  // namespace pelmora
