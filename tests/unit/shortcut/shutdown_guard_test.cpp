#include <gtest/gtest.h>

#include "shortcut/shutdown_guard.h"

namespace pelmora {
namespace {

TEST(IsShutdownCommand, LaunchersWithTheExitEntriesInAnySpelling) {
  const struct {
    const wchar_t* target;
    const wchar_t* arguments;
    bool shutdown;
  } cases[] = {
      {L"C:\\Windows\\System32\\RUNDLL32.EXE", L"SHELL32.DLL,SHExitWindowsEx 1", true},
      {L"C:\\Windows\\System32\\rundll32.exe", L"shell32.dll,SHExitWindowsEx 2", true},
      {L"D:\\copy\\Rundll32.exe", L"shell32,shexitwindowsex 0", true},             // any folder, no extension
      {L"C:\\Windows\\System32\\rundll32.exe", L"\"C:\\Windows\\System32\\shell32.dll\" , SHExitWindowsEx 1", true},
      {L"C:\\Windows\\RUNDLL.EXE", L"USER.EXE,ExitWindowsExec", true},
      {L"C:\\Windows\\rundll.exe", L"user,exitwindowsexec", true},
      {L"C:\\Windows\\System32\\rundll32.exe", L"shell32.dll,Control_RunDLL desk.cpl", false},
      {L"C:\\Windows\\System32\\rundll32.exe", L"shell32.dll,SHExitWindowsExtra 1", false},  // another entry
      {L"C:\\Windows\\System32\\rundll32.exe", L"myshell32.dll,SHExitWindowsEx 1", false},
      {L"C:\\Windows\\System32\\rundll32.exe", L"SHExitWindowsEx 1", false},                 // no library
      {L"C:\\Windows\\RUNDLL.EXE", L"SHELL32.DLL,SHExitWindowsEx 1", false},                 // wrong pair
      {L"C:\\Windows\\System32\\notepad.exe", L"shell32.dll,SHExitWindowsEx 1", false},
      {L"C:\\tools\\rundll32.exe.lnk", L"shell32.dll,SHExitWindowsEx 1", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsShutdownCommand(c.target, c.arguments), c.shutdown) << c.target << L" " << c.arguments;
}

}  // namespace
}  // namespace pelmora
