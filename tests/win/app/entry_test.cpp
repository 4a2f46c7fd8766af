// The shipped program started as a user or the shell starts it.
#include <gtest/gtest.h>

#include "win/system.h"
#include "support/win/http_test_server.h"
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

TEST(Entry, WindowLessActionsEndWithoutAWindow) {
  for (const wchar_t* arguments : {L"/LNK \"C:\\no such.lnk\"", L"/lnk x", L"/AUTO\"C:\\x\" http://a b"}) {
    Started s = Start(arguments);
    ASSERT_TRUE(s.ok);
    EXPECT_NE(WaitForExit(s, 30000), static_cast<DWORD>(STILL_ACTIVE)) << testing::PrintToString(std::wstring(arguments));
    Close(s);
  }
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
  // The server never answers; the fetch would take the default time-outs, 15 seconds.
  test::HttpTestServer silent(test::HttpTestServer::Behaviour::NeverAnswer);
  ASSERT_TRUE(silent.Started());
  const test::PrivateTempFolder temp(L"entry");
  const std::wstring settings = ProgramFolder() + L"pelmora.ini";
  WritePrivateProfileStringW(L"GENERAL", L"GetUrlTitle", L"1", settings.c_str());
  Started s = Start(silent.Url());
  ASSERT_TRUE(s.ok);
  HWND window = WaitForMainWindow(s);
  ASSERT_NE(window, nullptr);
  // The request reached the server: the fetch is under way.
  for (int i = 0; i < 200 && silent.Requests().empty(); ++i) Sleep(25);
  ASSERT_FALSE(silent.Requests().empty());
  const ULONGLONG asked = GetTickCount64();
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(s, 30000), 0u);
  const ULONGLONG took = GetTickCount64() - asked;
  EXPECT_LT(took, 3000u) << "the close waited for the fetch";
  Close(s);
  DeleteFileW(settings.c_str());
}

}  // namespace
}  // namespace pelmora
