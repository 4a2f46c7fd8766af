#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "settings/profile_file.h"
#include "text/code_page.h"
#include "win/handles.h"
#include "win/system.h"
#include "closing_window.h"
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
                   "GetHtmlTitle=1", "GetUrlTitle=0", "GetUrlDlgTitle=0", "GetUrlIcon=1", "HtmlBuffer=2048",
                   "ConnectTimeOut=5", "ReceiveTimeOut=10", "GetVersion=1", "GetMp3Info=1",
                   "GetMp3Format=" + ToAnsiBytes(L"%T（%A）"), "ExtCut=1"}));
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
  s = {1, 1, 1, 1, 1, 2, 0, 1, 1, 0, 65536, 3, 30, 0, 0, L"%T／%A", 0};
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

// The file the profile functions make of the same writes, one call each.
std::string WrittenByProfileFunctions(const std::wstring& path, const std::optional<std::string>& before,
                                      const ProfileWrites& writes) {
  DeleteFileW(path.c_str());
  if (before) {
    EXPECT_TRUE(test::WriteFileBytes(path, *before));
  }
  for (const ProfileWrite& w : writes)
    WritePrivateProfileStringW(w.section.c_str(), w.key.c_str(), w.value ? w.value->c_str() : nullptr, path.c_str());
  return test::ReadFileBytes(path);
}

std::vector<std::wstring> FilesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  const win::FindHandle find(FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (!find) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
  } while (FindNextFileW(find.get(), &found));
  return names;
}

std::string Utf16LeWithMark(std::wstring_view text) {
  std::string bytes = "\xFF\xFE";
  for (const wchar_t c : text) bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  return bytes;
}

// A close writes the whole file in one replace; the bytes are those the profile functions
// would have left, key by key, whatever the file held and in whichever encoding.
TEST(SettingsFile, OneReplaceLeavesTheBytesOfTheProfileFunctions) {
  TempFolder dir;
  const std::wstring kept =
      L"[GENERAL]\r\nWindowPos=0\r\nwindowleft=111\r\nGetTitle=0\r\nMyOwnKey=残す\r\n[Mine]\r\nx=1\r\n"
      L"[recentdir]\r\nStart1=C:\\古い\r\nStart4=D:\\x\r\n[ShortcutFolder]\r\nDesktop=1\r\n";
  const struct {
    const char* name;
    std::optional<std::string> before;
  } files[] = {{"ANSI with keys and a section of its own", ToAnsiBytes(kept)},
               {"no file yet", std::nullopt},
               {"UTF-16 saved by an editor", Utf16LeWithMark(kept)}};
  const test::ClosingWindow window = test::ClosingWindowNumber(3);
  ProfileWrites writes = SettingsWrites(window.settings, window.position, window.boxes);
  writes.insert(writes.end(), window.recentFolders.begin(), window.recentFolders.end());
  writes.push_back({kGeneralSection, L"GetTitle", std::nullopt});
  writes.push_back({L"SYSTEM", L"HkcrExt", L"CAFÉ,TXT"});
  writes.push_back({L"SYSTEM.W", L"HkcrExt", L"CAF+AMk-,TXT"});
  for (const auto& file : files) {
    SCOPED_TRACE(file.name);
    const std::string expected = WrittenByProfileFunctions(dir / L"profile.ini", file.before, writes);
    const std::wstring path = dir / L"pelmora.ini";
    DeleteFileW(path.c_str());
    if (file.before) {
      ASSERT_TRUE(test::WriteFileBytes(path, *file.before));
    }
    ASSERT_TRUE(UpdateProfileFile(path, writes));
    EXPECT_EQ(test::ReadFileBytes(path), expected);
  }
  EXPECT_EQ(FilesIn(dir.Path()).size(), 2u) << "no temporary file stays";
}

// A file that is held open so that it can be neither read nor replaced stays as it was, and the
// new text made for it does not stay behind.
TEST(SettingsFile, AFileThatCannotBeReplacedStaysWhole) {
  TempFolder dir;
  const std::wstring path = dir / L"pelmora.ini";
  const std::string before = "[GENERAL]\r\nWindowPos=1\r\n";
  ASSERT_TRUE(test::WriteFileBytes(path, before));
  for (const DWORD sharing : {DWORD{0}, DWORD{FILE_SHARE_READ}}) {
    SCOPED_TRACE(sharing);
    const win::FileHandle held(
        CreateFileW(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    EXPECT_FALSE(UpdateProfileFile(path, {{kGeneralSection, L"WindowPos", L"0"}}));
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::wstring>{L"pelmora.ini"});
  }
  EXPECT_EQ(test::ReadFileBytes(path), before);
}

// Main windows that close at the same moment (a log-off closes them all) each replace the whole
// file: after every round it is exactly the file one of them would have left alone, with the
// keys and sections the program does not know still in it.
TEST(SettingsFile, WindowsClosingTogetherLeaveTheWholeFileOfOne) {
  TempFolder dir;
  const std::wstring path = dir / L"pelmora.ini";
  const std::string initial = ToAnsiBytes(L"[GENERAL]\r\nMyOwnKey=残す\r\n[Mine]\r\nx=1\r\n");
  const std::wstring writer = ProgramFolder() + L"settings_closing_window.exe";
  const std::wstring stem = L"pelmora-settings-" + std::to_wstring(GetCurrentProcessId());
  for (const auto& [windows, rounds] : std::array<std::pair<int, int>, 2>{{{2, 50}, {5, 30}}}) {
    SCOPED_TRACE(windows);
    std::vector<std::string> expected;
    for (int n = 0; n < windows; ++n) {
      const test::ClosingWindow window = test::ClosingWindowNumber(n);
      ProfileWrites writes = SettingsWrites(window.settings, window.position, window.boxes);
      writes.insert(writes.end(), window.recentFolders.begin(), window.recentFolders.end());
      expected.push_back(WrittenByProfileFunctions(dir / L"expected.ini", initial, writes));
    }
    DeleteFileW((dir / L"expected.ini").c_str());

    struct Writer {
      win::EventHandle go, done;
      win::FileHandle process;
      ~Writer() {
        if (process && WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT) TerminateProcess(process.get(), 9);
      }
    };
    std::vector<Writer> writers(static_cast<std::size_t>(windows));
    std::vector<HANDLE> done;
    for (int n = 0; n < windows; ++n) {
      Writer& w = writers[static_cast<std::size_t>(n)];
      const std::wstring name = stem + L"-" + std::to_wstring(windows) + L"-" + std::to_wstring(n);
      w.go = win::EventHandle(CreateEventW(nullptr, FALSE, FALSE, (name + L"-go").c_str()));
      w.done = win::EventHandle(CreateEventW(nullptr, FALSE, FALSE, (name + L"-done").c_str()));
      ASSERT_TRUE(w.go && w.done);
      done.push_back(w.done.get());
      std::wstring command = L"\"" + writer + L"\" \"" + path + L"\" " + std::to_wstring(n) + L" " +
                             std::to_wstring(rounds) + L" " + name;
      STARTUPINFOW si{};
      si.cb = sizeof(si);
      PROCESS_INFORMATION pi{};
      ASSERT_TRUE(CreateProcessW(writer.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                                 nullptr, &si, &pi))
          << GetLastError();
      CloseHandle(pi.hThread);
      w.process = win::FileHandle(pi.hProcess);
    }
    std::vector<int> wins(static_cast<std::size_t>(windows));
    for (int round = 0; round < rounds; ++round) {
      ASSERT_TRUE(test::WriteFileBytes(path, initial));
      for (Writer& w : writers) SetEvent(w.go.get());
      ASSERT_EQ(WaitForMultipleObjects(static_cast<DWORD>(windows), done.data(), TRUE, 60000), WAIT_OBJECT_0)
          << "round " << round;
      const std::string bytes = test::ReadFileBytes(path);
      const auto found = std::find(expected.begin(), expected.end(), bytes);
      if (found == expected.end()) {
        ADD_FAILURE() << "round " << round << " left a file that is no window's:\n" << bytes;
        return;
      }
      ++wins[static_cast<std::size_t>(found - expected.begin())];
    }
    for (Writer& w : writers) {
      ASSERT_EQ(WaitForSingleObject(w.process.get(), 60000), WAIT_OBJECT_0);
      DWORD code = 99;
      GetExitCodeProcess(w.process.get(), &code);
      EXPECT_EQ(code, 0u);
    }
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::wstring>{L"pelmora.ini"}) << "no temporary file stays";
    std::string tally;
    for (int count : wins) tally += std::to_string(count) + " ";
    RecordProperty("last_window_counts_" + std::to_string(windows), tally);
  }
}

}  // namespace
}  // namespace pelmora
