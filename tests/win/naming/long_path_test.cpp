#include "naming/long_path.h"

#include <gtest/gtest.h>

#include "text/text_rules.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TempFolder;

TEST(ExpandLongPathName, ShortNamesBecomeTheStoredSpelling) {
  TempFolder dir;
  const std::wstring sub = dir / L"Long Folder Name\\Another Long Sub";
  const std::wstring file = sub + L"\\File Name Here ✓.txt";  // outside the ANSI code page, too
  ASSERT_TRUE(CreateDirectoryW((dir / L"Long Folder Name").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
  ASSERT_TRUE(test::WriteFileBytes(file, "x"));
  wchar_t shortPath[MAX_PATH * 2] = {};
  ASSERT_GT(GetShortPathNameW(file.c_str(), shortPath, MAX_PATH * 2), 0u);
  ASSERT_NE(std::wstring(shortPath), file) << "no short names here";
  std::wstring lower = shortPath;
  for (auto& c : lower) c = static_cast<wchar_t>(towlower(c));

  for (const std::wstring& given : {std::wstring(shortPath), lower, L"  " + file + L"  "}) {
    const std::wstring expanded = ExpandLongPathName(given);
    EXPECT_TRUE(EqualsNoCase(expanded, file)) << expanded;
    EXPECT_TRUE(EndsWith(expanded, L"\\Long Folder Name\\Another Long Sub\\File Name Here ✓.txt")) << expanded;
    EXPECT_EQ(expanded.substr(0, 2), ToUpper(file.substr(0, 2)));
  }
  EXPECT_TRUE(EndsWith(ExpandLongPathName(sub + L"\\"), L"\\Another Long Sub"));
}

TEST(ExpandLongPathName, RootsAndFailures) {
  TempFolder dir;
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"", L""}, {L"c:", L"C:\\"}, {L" c:\\ ", L"C:\\"},
      {L"\\\\SERVER\\SHARE", L""},  // no "\" after the share
      {L"//SERVER/SHARE/x", L""},   // network roots need backslashes
      {L"\\\\PELMORA-NO-SUCH-HOST\\SHARE\\x", L""},
      {dir / L"missing\\x.txt", L""},  // one missing component fails the whole path
      {dir / L"*", L""},               // a wildcard names no single file
  };
  for (const auto& [given, expanded] : cases) EXPECT_EQ(ExpandLongPathName(given), expanded) << given;
}

}  // namespace
}  // namespace pelmora
