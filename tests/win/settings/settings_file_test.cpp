#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "text/code_page.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TempFolder;
using Lines = std::vector<std::string>;

// key=value lines of one section in file order, read as bytes without the profile functions.
Lines SectionLines(const std::wstring& path, const std::string& section) {
  const std::string bytes = test::ReadFileBytes(path);
  EXPECT_TRUE(bytes.empty() || bytes.substr(bytes.size() - 2) == "\r\n");
  Lines out;
  bool inside = false;
  for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.front() == '[')
      inside = line == "[" + section + "]";
    else if (inside)
      out.push_back(line);
  }
  return out;
}

TEST(SettingsFile, NoFileGivesDefaultsAndTheFirstSaveWritesEveryKeyAsAnsi) {
  TempFolder dir;
  const std::wstring path = dir / L"設定.ini";
  LoadedSettings loaded = LoadSettings(path);
  EXPECT_FALSE(loaded.windowLeftTop);
  EXPECT_FALSE(loaded.boxStates);
  EXPECT_EQ(loaded.WindowsVersionCheck, 1);
  EXPECT_FALSE(test::FileExists(path)) << "loading must not create the file";

  loaded.settings.GetMp3Format = L"%T（%A）";
  SaveSettings(path, loaded.settings, WindowLeftTop{100, 200}, {});
  EXPECT_EQ(test::ReadFileBytes(path).substr(0, 11), "[GENERAL]\r\n") << "a new file is ANSI, not UTF-16";
  EXPECT_EQ(SectionLines(path, "GENERAL"),
            (Lines{"WindowPos=0", "CheckLocation=0", "NoMessage=0", "ArrowIcon=0", "ExitAfterCreate=0", "Comment=0",
                   "GetHtmlTitle=1", "GetUrlTitle=0", "GetUrlDlgTitle=0", "HtmlBuffer=2048", "ConnectTimeOut=5",
                   "ReceiveTimeOut=10", "GetVersion=1", "GetMp3Info=1", "GetMp3Format=" + ToAnsiBytes(L"%T（%A）"),
                   "ExtCut=1"}));
  EXPECT_EQ(SectionLines(path, "ShortcutFolder"), (Lines{"AllUsers=0", "Desktop=0", "StartMenu=0", "Startup=0",
                                                         "Sendto=0", "QuickLaunch=0", "Free=0", "Favorites=0"}));
  EXPECT_EQ(LoadSettings(path).settings.GetMp3Format, L"%T（%A）");
}

TEST(SettingsFile, EveryOptionRoundTripsAndOtherSectionsStay) {
  TempFolder dir;
  const std::wstring path = dir / L"round.ini";
  ASSERT_TRUE(test::WriteFileBytes(path, "[general]\r\nwindowleft=111\r\n[RecentDir]\r\nStart1=C:\\x\r\n"
                                         "[debug]\r\nwindowsversioncheck=0\r\n"));
  Settings s;
  SaveSettings(path, s, WindowLeftTop{5, 6}, {});  // WindowPos off: the stored position stays
  EXPECT_EQ(SectionLines(path, "general")[0], "windowleft=111");
  EXPECT_EQ(SectionLines(path, "RecentDir"), Lines{"Start1=C:\\x"});
  EXPECT_EQ(LoadSettings(path).WindowsVersionCheck, 0);

  // Every field away from its default, in the order Settings declares them.
  s = {1, 1, 1, 1, 1, 2, 0, 1, 1, 65536, 3, 30, 0, 0, L"%T／%A", 0};
  ShortcutFolderStates boxes{1, {0, 1, 0, 1, 0, 1, 1}};
  SaveSettings(path, s, WindowLeftTop{-12, 345}, boxes);
  const LoadedSettings loaded = LoadSettings(path);
  EXPECT_EQ(EncodeGeneral(loaded.settings, loaded.windowLeftTop), EncodeGeneral(s, WindowLeftTop{-12, 345}));
  ASSERT_TRUE(loaded.boxStates);
  EXPECT_EQ(*loaded.boxStates, boxes);

  SaveSettings(path, Settings{}, std::nullopt, boxes);
  const LoadedSettings back = LoadSettings(path);
  EXPECT_EQ(EncodeGeneral(back.settings, std::nullopt), EncodeGeneral(Settings{}, std::nullopt));
  EXPECT_FALSE(back.boxStates) << "stored boxes are restored only with CheckLocation on";
}

TEST(SettingsFile, OldTitleKeyLeavesTheFileDuringTheLoad) {
  TempFolder dir;
  const std::wstring path = dir / L"old.ini";
  ASSERT_TRUE(test::WriteFileBytes(path, "[GENERAL]\r\nGetTitle=0\r\nExtCut=0\r\n"));
  const LoadedSettings loaded = LoadSettings(path);
  EXPECT_EQ(loaded.settings.GetHtmlTitle, 0);
  EXPECT_EQ(SectionLines(path, "GENERAL"), Lines{"ExtCut=0"});
  SaveSettings(path, loaded.settings, std::nullopt, {});
  EXPECT_EQ(LoadSettings(path).settings.GetHtmlTitle, 0);

  const std::wstring nine = dir / L"nine.ini";
  ASSERT_TRUE(test::WriteFileBytes(nine, "[GENERAL]\r\nGetTitle=9\r\nGetHtmlTitle=0\r\n"));
  EXPECT_EQ(LoadSettings(nine).settings.GetHtmlTitle, 0);
  EXPECT_EQ(SectionLines(nine, "GENERAL"), (Lines{"GetTitle=9", "GetHtmlTitle=0"}));
}

}  // namespace
}  // namespace pelmora
