// Shared set-up of the reader tests: settings of their own, and a private temporary folder for
// the process, where a test can see what the readers leave.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "naming/web_title_rules.h"
#include "settings/settings.h"
#include "support/win/test_env.h"

namespace pelmora::test {

class ReaderTest : public ::testing::Test {
 protected:
  // The settings the readers are handed; each test starts from the defaults.
  Settings settings_;

  void SetUp() override { temp_ = std::make_unique<PrivateTempFolder>(L"readers"); }
  void TearDown() override { temp_.reset(); }
  // The fetch limits of the test's settings.
  FetchLimits Limits() const { return FetchLimitsOf(settings_); }
  // A path in the private temporary folder.
  std::wstring Temp(const std::wstring& name) const { return *temp_ / name; }

  // What another window may keep in the temporary folder under names a title reader might
  // choose: a folder "~pelm1.tmp" and a file "~pelm.tmp". Readers neither need nor touch them.
  void PutOthersTempEntries() {
    ASSERT_TRUE(CreateDirectoryW(Temp(L"~pelm1.tmp").c_str(), nullptr));
    ASSERT_TRUE(WriteFileBytes(Temp(L"~pelm.tmp"), kOthersBytes));
  }
  void ExpectOthersTempEntriesKept() {
    const DWORD folder = GetFileAttributesW(Temp(L"~pelm1.tmp").c_str());
    EXPECT_TRUE(folder != INVALID_FILE_ATTRIBUTES && (folder & FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(ReadFileBytes(Temp(L"~pelm.tmp")), kOthersBytes);
  }
  static constexpr char kOthersBytes[] = "<title>another window's page</title>";

 private:
  std::unique_ptr<PrivateTempFolder> temp_;
};

}  // namespace pelmora::test
