#include "url/classify_target.h"

#include <gtest/gtest.h>

#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TempFolder;

class ClassifyTargetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::WriteFileBytes(dir_ / L"plain.txt", "x"));
    ASSERT_TRUE(test::WriteFileBytes(dir_ / L"hidden.ini", "x"));
    SetFileAttributesW((dir_ / L"hidden.ini").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    ASSERT_TRUE(test::WriteFileBytes(dir_ / L"readonly.dat", "x"));
    SetFileAttributesW((dir_ / L"readonly.dat").c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(CreateDirectoryW((dir_ / L"フォルダ").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((dir_ / L"Café 😀").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((dir_ / L"secret").c_str(), nullptr));
    SetFileAttributesW((dir_ / L"secret").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  }
  TempFolder dir_{L"classify"};
};

TEST_F(ClassifyTargetTest, ExistingEntriesOfEveryKind) {
  const struct {
    std::wstring text;
    TargetKind kind;
  } cases[] = {
      {dir_ / L"plain.txt", TargetKind::File},
      {dir_ / L"hidden.ini", TargetKind::File},
      {dir_ / L"readonly.dat", TargetKind::File},
      {dir_.Path(), TargetKind::Folder},
      {dir_.Path() + L"\\", TargetKind::Folder},
      {dir_ / L"フォルダ\\", TargetKind::Folder},
      {dir_ / L"Café 😀", TargetKind::Folder},
      {dir_ / L"secret", TargetKind::Folder},
      {dir_ / L"secret\\", TargetKind::Folder},
      {L"C:\\", TargetKind::Folder},
  };
  for (const auto& c : cases) EXPECT_EQ(ClassifyTarget(c.text), c.kind) << c.text;
}

TEST_F(ClassifyTargetTest, MissingMalformedAndWildcardPathsAreInvalid) {
  const std::wstring cases[] = {
      dir_ / L"missing.txt",
      dir_ / L"missing\\",
      dir_ / L"*.txt",
      dir_ / L"plain.tx?",
      dir_ / L"plain.txt\\",  // a file is no folder
      L"",
      L"mailto:someone@example.com",
      std::wstring(L"C:\\\0x", 4),
      L"Q:\\nothing\\here",
      dir_ / std::wstring(300, L'a'),
      // Devices, wherever the path points: no file to link to.
      L"NUL",
      L"con",
      dir_ / L"nul.txt",
      L"C:\\x\\nul.txt",
      dir_ / L"COM1.log",
  };
  for (const auto& text : cases) EXPECT_EQ(ClassifyTarget(text), TargetKind::Invalid) << text;
}

TEST(ClassifyTarget, TextWithTheSeparatorIsCheckedAsAUrl) {
  EXPECT_EQ(ClassifyTarget(L"http://www.example.com/a b"), TargetKind::Invalid);
  EXPECT_EQ(ClassifyTarget(L"C:\\x://"), TargetKind::Url);  // never looked up as a path
}

}  // namespace
}  // namespace pelmora
