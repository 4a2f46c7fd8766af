#include "shortcut/batch_summary.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(BatchSummary, CountsAndNamesAtMostTwentyFailures) {
  BatchTally all{3, 3, 6, {}, 0};
  EXPECT_TRUE(AllMade(all));
  EXPECT_EQ(BatchSummaryText(all), L"3 件すべてのショートカットを作成しました（ファイル 6 個）。");

  BatchTally some{30, 5, 5, {}, 3};
  for (int i = 0; i < 22; ++i) some.failures.push_back({L"f" + std::to_wstring(i) + L".txt", L"見つかりません"});
  EXPECT_FALSE(AllMade(some));
  const std::wstring text = BatchSummaryText(some);
  EXPECT_TRUE(text.starts_with(L"30 件のうち 5 件のショートカットを作成しました（ファイル 5 個）。\r\n\r\n作成されなかった項目 22 件:\r\n"
                               L"f0.txt … 見つかりません\r\n"))
      << text;
  EXPECT_NE(text.find(L"\r\nf19.txt … 見つかりません\r\nほか 2 件\r\n\r\n中止したため、残りの 3 件は作成していません。"),
            std::wstring::npos)
      << text;
  EXPECT_EQ(text.find(L"f20.txt"), std::wstring::npos);
  // Stopped before any item failed: all tried were made, and still not all.
  EXPECT_FALSE(AllMade(BatchTally{4, 2, 2, {}, 2}));
}

}  // namespace
}  // namespace pelmora
