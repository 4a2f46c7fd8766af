// Shared set-up of the reader tests: settings of their own, and the
// process's temporary folder is a private one, so the fixed temporary file names of the title
// readers cannot collide with other test programs running at the same time.
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

 private:
  std::unique_ptr<PrivateTempFolder> temp_;
};

}  // namespace pelmora::test
