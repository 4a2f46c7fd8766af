#include "naming/target_shortcut.h"

#include <gtest/gtest.h>

#include "naming/path_names.h"
#include "support/win/test_env.h"
#include "win/system.h"

namespace pelmora {
namespace {

using test::TempFolder;

// What an item of a batch makes, as the form would fill its fields for it alone. (The written
// link cannot show the icon rule here: this system's shell link names the target as its icon
// when it is given none.)
TEST(ShortcutOfTarget, AsTheFormFillsItForASingleTarget) {
  TempFolder dir;
  const std::wstring text = dir / L"メモ.txt", picture = dir / L"絵.bmp", broken = dir / L"壊れ.lnk";
  for (const std::wstring& file : {text, picture}) ASSERT_TRUE(test::WriteFileBytes(file, "x"));
  ASSERT_TRUE(test::WriteFileBytes(broken, "not a link"));
  const std::wstring withIcons = GetSystemFolder() + L"shell32.dll";
  Settings settings;
  settings.Comment = 1;  // the target's path
  const struct {
    std::wstring item;
    const wchar_t* problem;
    std::wstring name, workingFolder, iconFile;
  } cases[] = {
      {text, L"", L"メモ", dir.Path(), L""},
      {picture, L"", L"絵", dir.Path(), L""},
      {withIcons, L"", L"shell32", GetSystemFolder().substr(0, GetSystemFolder().size() - 1), withIcons},
      {dir.Path(), L"", FileNameOf(dir.Path()), L"", L""},
      {dir / L"無い.txt", kTargetMissingReason, L"", L"", L""},
      {broken, kShortcutFileUnreadableReason, L"壊れ", L"", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    const TargetShortcut made = ShortcutOfTarget(c.item, false, settings, ShellLink());
    EXPECT_EQ(made.problem, c.problem);
    EXPECT_EQ(made.name, c.name);
    if (*c.problem) continue;
    EXPECT_EQ(made.values.target, c.item);
    EXPECT_EQ(made.values.workingFolder, c.workingFolder);
    EXPECT_EQ(made.values.comment, c.item);
    EXPECT_EQ(made.values.iconFile, c.iconFile);
    EXPECT_EQ(made.values.iconIndex, 0);
  }
}

}  // namespace
}  // namespace pelmora
