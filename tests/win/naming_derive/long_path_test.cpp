#include "naming/long_path.h"

#include <gtest/gtest.h>

#include "app/text_rules.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TempFolder;

std::wstring ShortPathOf(const std::wstring& path) {
  wchar_t buffer[MAX_PATH * 2] = {};
  const DWORD got = GetShortPathNameW(path.c_str(), buffer, MAX_PATH * 2);
  return got ? std::wstring(buffer, got) : std::wstring();
}

std::wstring Lower(std::wstring text) {
  for (auto& c : text) c = static_cast<wchar_t>(towlower(c));
  return text;
}

TEST(ExpandLongPathName, ShortNamesBecomeTheStoredSpelling) {
  TempFolder dir;
  const std::wstring folder = dir / L"Long Folder Name";
  const std::wstring sub = folder + L"\\Another Long Sub";
  const std::wstring file = sub + L"\\File Name Here.txt";
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
  ASSERT_TRUE(test::WriteFileBytes(file, "x"));
  const std::wstring shortFile = ShortPathOf(file);
  ASSERT_FALSE(shortFile.empty());
  ASSERT_NE(shortFile, file) << "no short names here";

  for (const std::wstring& given : {shortFile, Lower(shortFile), L"  " + Lower(file) + L"  "}) {
    const std::wstring expanded = ExpandLongPathName(given);
    EXPECT_TRUE(EqualsNoCase(expanded, file)) << expanded;
    EXPECT_TRUE(EndsWith(expanded, L"\\Long Folder Name\\Another Long Sub\\File Name Here.txt")) << expanded;
    EXPECT_EQ(expanded.substr(0, 2), ToUpper(file.substr(0, 2)));
  }
  // A folder given with a trailing backslash comes back without it.
  EXPECT_TRUE(EndsWith(ExpandLongPathName(Lower(sub) + L"\\"), L"\\Another Long Sub"));
}

TEST(ExpandLongPathName, RootsAndFailures) {
  TempFolder dir;
  const struct {
    std::wstring given;
    std::wstring expanded;
  } cases[] = {
      {L"", L""},
      {L"   ", L""},
      {L"C:", L"C:\\"},
      {L"c:", L"C:\\"},
      {L"c:\\", L"C:\\"},
      {L"\\\\SERVER\\SHARE", L""},          // no "\" after the share
      {L"\\\\SERVER", L""},
      {L"//SERVER/SHARE/x", L""},            // network roots need backslashes
      {L"\\\\PELMORA-NO-SUCH-HOST\\SHARE\\x", L""},
      {dir / L"missing\\x.txt", L""},        // one missing component fails the whole path
      {dir / L"*", L""},                     // wildcards name no single file
      {dir.Path() + L"\\?", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpandLongPathName(c.given), c.expanded) << c.given;
}

TEST(ExpandLongPathName, KeepsNamesOutsideTheAnsiCodePage) {
  TempFolder dir;
  const std::wstring file = dir / L"Ünïcödé ✓ 한국어.txt";
  ASSERT_TRUE(test::WriteFileBytes(file, "x"));
  EXPECT_TRUE(EndsWith(ExpandLongPathName(file), L"\\Ünïcödé ✓ 한국어.txt"));
}

}  // namespace
}  // namespace pelmora
