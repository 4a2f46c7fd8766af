#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <map>

#include "app/code_page.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TempFolder;

// The file's lines as bytes, split at CR LF; fails the test on a lone LF or a UTF-16 file.
std::vector<std::string> Lines(const std::wstring& path) {
  const std::string bytes = test::ReadFileBytes(path);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const auto end = bytes.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "last line without CR LF";
    if (end == std::string::npos) break;
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  for (const auto& line : lines) {
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_EQ(line.find('\0'), std::string::npos) << "not ANSI text";
  }
  return lines;
}

// key=value lines of one section, in file order, read without the profile functions.
std::vector<std::pair<std::string, std::string>> SectionLines(const std::wstring& path, const std::string& section) {
  std::vector<std::pair<std::string, std::string>> out;
  bool inside = false;
  for (const auto& line : Lines(path)) {
    if (!line.empty() && line.front() == '[') {
      inside = line == "[" + section + "]";
      continue;
    }
    const auto eq = line.find('=');
    if (inside && eq != std::string::npos) out.emplace_back(line.substr(0, eq), line.substr(eq + 1));
  }
  return out;
}

std::map<std::string, std::string> SectionMap(const std::wstring& path, const std::string& section) {
  std::map<std::string, std::string> out;
  for (const auto& [k, v] : SectionLines(path, section)) out[k] = v;
  return out;
}

TEST(SettingsFile, NoFileGivesDefaultsAndTheFirstSaveWritesEveryKey) {
  TempFolder dir;
  const std::wstring path = dir / L"pelmora.ini";
  const LoadedSettings loaded = LoadSettings(path);
  EXPECT_FALSE(loaded.windowLeftTop);
  EXPECT_FALSE(loaded.boxStates);
  EXPECT_EQ(loaded.WindowsVersionCheck, 1);
  EXPECT_EQ(loaded.settings.GetMp3Format, L"%A - %T");
  EXPECT_FALSE(test::FileExists(path)) << "loading must not create the file";

  SaveSettings(path, loaded.settings, WindowLeftTop{100, 200}, {});
  std::vector<std::string> keys;
  for (const auto& [k, v] : SectionLines(path, "GENERAL")) keys.push_back(k);
  EXPECT_EQ(keys, (std::vector<std::string>{"WindowPos", "CheckLocation", "NoMessage", "ArrowIcon", "ExitAfterCreate",
                                            "Comment", "GetHtmlTitle", "GetUrlTitle", "GetUrlDlgTitle", "HtmlBuffer",
                                            "ConnectTimeOut", "ReceiveTimeOut", "GetVersion", "GetMp3Info",
                                            "GetMp3Format", "ExtCut"}));
  const auto general = SectionMap(path, "GENERAL");
  EXPECT_EQ(general.at("HtmlBuffer"), "2048");
  EXPECT_EQ(general.at("GetMp3Format"), "%A - %T");
  const auto boxes = SectionLines(path, "ShortcutFolder");
  ASSERT_EQ(boxes.size(), 8u);
  EXPECT_EQ(boxes.front().first, "AllUsers");
  EXPECT_EQ(boxes.back().first, "Favorites");
  for (const auto& [k, v] : boxes) EXPECT_EQ(v, "0") << k;
}

TEST(SettingsFile, ANewFileIsAnsiText) {
  TempFolder dir;
  const std::wstring path = dir / L"設定.ini";
  Settings s;
  s.GetMp3Format = L"%T（%A）";
  SaveSettings(path, s, std::nullopt, {});
  const std::string bytes = test::ReadFileBytes(path);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_NE(bytes.substr(0, 2), "\xFF\xFE") << "UTF-16 file";
  EXPECT_EQ(bytes.substr(0, 9), "[GENERAL]");
  EXPECT_NE(bytes.find(ToAnsiBytes(L"GetMp3Format=%T（%A）\r\n")), std::string::npos);
  EXPECT_EQ(LoadSettings(path).settings.GetMp3Format, L"%T（%A）");
}

TEST(SettingsFile, EveryOptionRoundTrips) {
  TempFolder dir;
  const std::wstring path = dir / L"round.ini";
  Settings s;
  s.WindowPos = 1;
  s.CheckLocation = 1;
  s.NoMessage = 1;
  s.ArrowIcon = 1;
  s.ExitAfterCreate = 1;
  s.Comment = 2;
  s.GetHtmlTitle = 0;
  s.GetUrlTitle = 1;
  s.GetUrlDlgTitle = 1;
  s.HtmlBuffer = 65536;
  s.ConnectTimeOut = 3;
  s.ReceiveTimeOut = 30;
  s.GetVersion = 0;
  s.GetMp3Info = 0;
  s.GetMp3Format = L"%T／%A";
  s.ExtCut = 0;
  ShortcutFolderStates boxes;
  boxes.AllUsers = 1;
  boxes.where = {0, 1, 0, 1, 0, 1, 1};
  SaveSettings(path, s, WindowLeftTop{-12, 345}, boxes);

  const LoadedSettings loaded = LoadSettings(path);
  EXPECT_EQ(EncodeGeneral(loaded.settings, loaded.windowLeftTop), EncodeGeneral(s, WindowLeftTop{-12, 345}));
  ASSERT_TRUE(loaded.boxStates);
  EXPECT_EQ(*loaded.boxStates, boxes);

  // Every switch turned the other way round, too.
  const Settings defaults;
  SaveSettings(path, defaults, std::nullopt, {});
  const LoadedSettings back = LoadSettings(path);
  EXPECT_EQ(EncodeGeneral(back.settings, std::nullopt), EncodeGeneral(defaults, std::nullopt));
  EXPECT_FALSE(back.windowLeftTop);
  EXPECT_FALSE(back.boxStates) << "CheckLocation is off";
}

TEST(SettingsFile, HandEditedValuesLoadByTheRules) {
  TempFolder dir;
  const std::wstring path = dir / L"edited.ini";
  ASSERT_TRUE(test::WriteFileBytes(path,
                                   "[general]\r\n"
                                   "windowpos=2\r\n"
                                   "Comment=5\r\n"
                                   "GetVersion=abc\r\n"
                                   "GetMp3Info=7\r\n"
                                   "HtmlBuffer=0\r\n"
                                   "ConnectTimeOut=0\r\n"
                                   "ReceiveTimeOut=-1\r\n"
                                   "ExtCut=1234.5\r\n"
                                   "GetMp3Format=   \r\n"
                                   "CheckLocation=1\r\n"
                                   "[SHORTCUTFOLDER]\r\n"
                                   "desktop=1\r\n"
                                   "Favorites=2\r\n"
                                   "[Debug]\r\n"
                                   "WindowsVersionCheck=0\r\n"));
  const LoadedSettings loaded = LoadSettings(path);
  const Settings& s = loaded.settings;
  EXPECT_EQ(s.WindowPos, 0);
  EXPECT_FALSE(loaded.windowLeftTop);
  EXPECT_EQ(s.Comment, 0);
  EXPECT_EQ(s.GetVersion, 0);
  EXPECT_EQ(s.GetMp3Info, 1);
  EXPECT_EQ(s.HtmlBuffer, 2048);
  EXPECT_EQ(s.ConnectTimeOut, 5);
  EXPECT_EQ(s.ReceiveTimeOut, 10);
  EXPECT_EQ(s.ExtCut, 1);
  EXPECT_EQ(s.GetMp3Format, L"") << "present but blank: no default";
  ASSERT_TRUE(loaded.boxStates);
  EXPECT_EQ(loaded.boxStates->where, (std::array<int, 7>{1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(loaded.WindowsVersionCheck, 0);
}

TEST(SettingsFile, OldTitleKeyLeavesTheFileDuringTheLoad) {
  TempFolder dir;
  const std::wstring path = dir / L"old.ini";
  ASSERT_TRUE(test::WriteFileBytes(path, "[GENERAL]\r\nGetTitle=0\r\nExtCut=0\r\n"));
  const LoadedSettings loaded = LoadSettings(path);
  EXPECT_EQ(loaded.settings.GetHtmlTitle, 0);
  EXPECT_EQ(loaded.settings.ExtCut, 0);
  auto general = SectionMap(path, "GENERAL");
  EXPECT_EQ(general.count("GetTitle"), 0u);
  EXPECT_EQ(general.at("ExtCut"), "0");
  SaveSettings(path, loaded.settings, std::nullopt, {});
  EXPECT_EQ(SectionMap(path, "GENERAL").at("GetHtmlTitle"), "0");
  EXPECT_EQ(LoadSettings(path).settings.GetHtmlTitle, 0);

  // 9 counts as "not there" and is left alone.
  const std::wstring nine = dir / L"nine.ini";
  ASSERT_TRUE(test::WriteFileBytes(nine, "[GENERAL]\r\nGetTitle=9\r\nGetHtmlTitle=0\r\n"));
  EXPECT_EQ(LoadSettings(nine).settings.GetHtmlTitle, 0);
  EXPECT_EQ(SectionMap(nine, "GENERAL").at("GetTitle"), "9");
}

TEST(SettingsFile, SavingKeepsWhatOthersStoredInTheFile) {
  TempFolder dir;
  const std::wstring path = dir / L"shared.ini";
  ASSERT_TRUE(test::WriteFileBytes(path,
                                   "[GENERAL]\r\nWindowLeft=111\r\nWindowTop=222\r\n"
                                   "[RecentDir]\r\nStart1=" + ToAnsiBytes(L"C:\\スタート") + "\r\n"
                                   "[SYSTEM]\r\nHkcrExt=TXT,LOG\r\n"));
  Settings s;  // WindowPos off: the stored position stays as it is
  SaveSettings(path, s, WindowLeftTop{5, 6}, {});
  const auto general = SectionMap(path, "GENERAL");
  EXPECT_EQ(general.at("WindowLeft"), "111");
  EXPECT_EQ(general.at("WindowTop"), "222");
  EXPECT_EQ(SectionMap(path, "RecentDir").at("Start1"), ToAnsiBytes(L"C:\\スタート"));
  EXPECT_EQ(SectionMap(path, "SYSTEM").at("HkcrExt"), "TXT,LOG");

  s.WindowPos = 1;
  SaveSettings(path, s, WindowLeftTop{5, -6}, {});
  const LoadedSettings loaded = LoadSettings(path);
  ASSERT_TRUE(loaded.windowLeftTop);
  EXPECT_EQ(loaded.windowLeftTop->left, 5);
  EXPECT_EQ(loaded.windowLeftTop->top, -6);
}

TEST(SettingsFile, BoxesAreSavedEvenWithoutCheckLocationButLoadedOnlyWithIt) {
  TempFolder dir;
  const std::wstring path = dir / L"boxes.ini";
  Settings s;
  ShortcutFolderStates boxes;
  boxes.where[0] = 1;
  SaveSettings(path, s, std::nullopt, boxes);
  EXPECT_EQ(SectionMap(path, "ShortcutFolder").at("Desktop"), "1");
  EXPECT_FALSE(LoadSettings(path).boxStates);
}

TEST(SettingsFile, TheUrlTableLoadsThroughTheGivenCall) {
  TempFolder dir;
  int calls = 0;
  LoadSettings(dir / L"x.ini", [&] { ++calls; });
  EXPECT_EQ(calls, 1);
}

TEST(SettingsFile, LongPatternsAreCutTo511Bytes) {
  TempFolder dir;
  const std::wstring path = dir / L"long.ini";
  const std::wstring pattern = L"%A" + std::wstring(400, L'曲');
  ASSERT_TRUE(test::WriteFileBytes(path, "[GENERAL]\r\nGetMp3Format=" + ToAnsiBytes(pattern) + "\r\n"));
  const std::wstring read = LoadSettings(path).settings.GetMp3Format;
  EXPECT_EQ(read, pattern.substr(0, 256));
  EXPECT_EQ(AnsiByteCount(read), 510u);
}

}  // namespace
}  // namespace pelmora
