// The shipped program started as a user or the shell starts it.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "app/command_line.h"
#include "text/code_page.h"
#include "win/shell_folders.h"
#include "win/system.h"
#include "support/win/http_test_server.h"
#include "support/win/gui_driver.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

struct Started {
  PROCESS_INFORMATION process{};
  bool ok = false;
};

Started Start(const std::wstring& arguments) {
  Started s;
  std::wstring line = L"\"" + ProgramFolder() + L"pelmora.exe\" " + arguments;
  STARTUPINFOW info{};
  info.cb = sizeof(info);
  s.ok = CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &info, &s.process);
  return s;
}

DWORD WaitForExit(const Started& s, DWORD milliseconds) {
  if (WaitForSingleObject(s.process.hProcess, milliseconds) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(s.process.hProcess, &code);
  return code;
}

void Close(Started& s) {
  if (WaitForSingleObject(s.process.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(s.process.hProcess, 1);
  CloseHandle(s.process.hThread);
  CloseHandle(s.process.hProcess);
}

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  if (owner == search->processId && IsWindowVisible(window) && std::wstring(title) == L"ペルモラ") {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND WaitForMainWindow(const Started& s) {
  for (int i = 0; i < 200; ++i) {
    Search search{s.process.dwProcessId, nullptr};
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    if (WaitForSingleObject(s.process.hProcess, 50) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

// What a window-less run showed: the text of its plain message box (read, then closed with
// OK), whether any other window appeared, and its exit code.
struct ActionRun {
  DWORD exitCode = STILL_ACTIVE;
  std::wstring boxText;
  bool otherWindow = false;
  DWORD processId = 0;
};

BOOL CALLBACK LongestStatic(HWND child, LPARAM data) {
  const std::wstring text = test::TextOf(child);
  wchar_t cls[16] = {};
  GetClassNameW(child, cls, 16);
  auto* longest = reinterpret_cast<std::wstring*>(data);
  if (lstrcmpiW(cls, L"Static") == 0 && text.size() > longest->size()) *longest = text;
  return TRUE;
}

BOOL CALLBACK WatchWindow(HWND window, LPARAM data) {
  auto* run = reinterpret_cast<ActionRun*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != run->processId || !IsWindowVisible(window)) return TRUE;
  wchar_t cls[16] = {};
  GetClassNameW(window, cls, 16);
  const bool plainBox = std::wstring(cls) == L"#32770" && test::TextOf(window) == L"ペルモラ" && !GetWindow(window, GW_OWNER);
  run->otherWindow = run->otherWindow || !plainBox;
  if (plainBox && run->boxText.empty()) {
    EnumChildWindows(window, LongestStatic, reinterpret_cast<LPARAM>(&run->boxText));
    PostMessageW(window, WM_COMMAND, IDOK, 0);
  }
  return TRUE;
}

ActionRun RunAction(const std::wstring& arguments) {
  ActionRun run;
  Started s = Start(arguments);
  EXPECT_TRUE(s.ok);
  run.processId = s.process.dwProcessId;
  for (int i = 0; s.ok && i < 600 && WaitForSingleObject(s.process.hProcess, 50) != WAIT_OBJECT_0; ++i)
    EnumWindows(WatchWindow, reinterpret_cast<LPARAM>(&run));
  run.exitCode = s.ok ? WaitForExit(s, 1000) : STILL_ACTIVE;
  Close(s);
  return run;
}

TEST(Entry, AutoWritesWithoutAWindowOrShowsItsMessage) {
  test::TempFolder dir(L"e2e");
  std::wstring desktop;
  ASSERT_TRUE(GetSystemFolderPath(nullptr, CSIDL_DESKTOP, desktop));
  const std::wstring quoted = L"\"" + dir.Path() + L"\"", title = L"pelmora-e2e-" + std::to_wstring(GetCurrentProcessId());
  const struct {
    std::wstring arguments, message, file;
  } cases[] = {
      {L"/AUTO http://a.jp/ " + title, L"", desktop + L"\\" + title + L".url"},
      {L"/AUTO" + quoted + L" http://a.jp/ Same", L"", dir / L"Same.url"},
      {L"/auto\"" + dir.Path() + L"\\\" http://a.jp/ Same", L"", dir / L"Same (2).url"},
      {L"/AUTO" + quoted + L" http://a.jp/ Same", L"", dir / L"Same (3).url"},
      {L"/AUTO " + quoted + L" http://a.jp/ Same", kAutoBadUrlMessage, L""},  // a blank before the quote
      {L"/AUTO" + quoted + L" http://a.jp/", kAutoUsageMessage, L""},
      {L"/AUTO\"" + dir.Path() + L"\\none\" http://a.jp/ t", kAutoFolderMissingMessage, L""},
      {L"/AUTO" + quoted + L" http://a.jp/ " + std::wstring(250, L'x'), kAutoFailedMessage, L""},
  };
  for (const auto& c : cases) {
    const ActionRun run = RunAction(c.arguments);
    EXPECT_EQ(run.boxText, c.message) << c.arguments;
    EXPECT_FALSE(run.otherWindow) << c.arguments;
    EXPECT_EQ(run.exitCode, c.message.empty() ? 0u : 1u) << c.arguments;
    if (c.file.empty()) continue;
    EXPECT_EQ(test::ReadFileBytes(c.file), "[InternetShortcut]\r\nURL=http://a.jp/\r\n") << c.file;
  }
  DeleteFileW(cases[0].file.c_str());
  EXPECT_FALSE(test::FileExists(dir / L"Same (4).url")) << "a refused run writes nothing";
}

TEST(Entry, AutoKeepsATitleAndUrlOutsideTheAnsiCodePage) {
  test::TempFolder dir(L"e2e");
  const std::wstring url = L"http://例え.jp/한?q=é&e=😀";
  const ActionRun run = RunAction(L"/AUTO\"" + dir.Path() + L"\" " + url + L" 한국 café 😀");
  EXPECT_EQ(run.exitCode, 0u);
  const std::string bytes = test::ReadFileBytes(dir / L"한국 café 😀.url");
  const std::string marker = "[InternetShortcut.W]\r\nURL=";
  const auto start = bytes.find(marker) + marker.size();
  ASSERT_NE(start, std::string::npos + marker.size()) << bytes;
  EXPECT_EQ(DecodeCodePage(kUtf7, bytes.substr(start, bytes.find("\r\n", start) - start)), url);
}

TEST(Entry, OtherwiseTheMainWindowOpensAndItsCloseEndsTheProgram) {
  const std::wstring settings = ProgramFolder() + L"pelmora.ini";
  DeleteFileW(settings.c_str());
  // "/LNK" alone is no switch: the main window opens with it as an ignored target.
  Started s = Start(L"/LNK");
  ASSERT_TRUE(s.ok);
  HWND window = WaitForMainWindow(s);
  ASSERT_NE(window, nullptr);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(s, 30000), 0u);
  Close(s);
  EXPECT_TRUE(test::FileExists(settings));  // closing saved the settings beside the program
  DeleteFileW(settings.c_str());
}

TEST(Entry, AClosedWindowDoesNotWaitForAPageTitle) {
  // The server never answers and holds the connection for a minute; the fetch would wait for
  // it all that time.
  test::HttpTestServer silent(test::HttpTestServer::Behaviour::NeverAnswer);
  ASSERT_TRUE(silent.Started());
  const test::PrivateTempFolder temp(L"entry");
  const std::wstring settings = ProgramFolder() + L"pelmora.ini";
  WritePrivateProfileStringW(L"GENERAL", L"GetUrlTitle", L"1", settings.c_str());
  WritePrivateProfileStringW(L"GENERAL", L"ConnectTimeOut", L"300", settings.c_str());
  WritePrivateProfileStringW(L"GENERAL", L"ReceiveTimeOut", L"300", settings.c_str());
  Started s = Start(silent.Url());
  ASSERT_TRUE(s.ok);
  HWND window = WaitForMainWindow(s);
  ASSERT_NE(window, nullptr);
  // The request reached the server: the fetch is under way.
  ASSERT_TRUE(silent.WaitForRequests(1, 30000));
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(s, 30000), 0u) << "the close waited for the fetch";
  Close(s);
  DeleteFileW(settings.c_str());
}

}  // namespace
}  // namespace pelmora
