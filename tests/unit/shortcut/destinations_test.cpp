#include "shortcut/destinations.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

SpecialFolders SampleFolders() {
  SpecialFolders f;
  f.desktop = L"C:\\Users\\ai\\Desktop";
  f.startup = L"C:\\Users\\ai\\Start Menu\\Programs\\Startup";
  f.sendTo = L"C:\\Users\\ai\\SendTo";
  f.quickLaunch = L"C:\\Users\\ai\\AppData\\Roaming\\Microsoft\\Internet Explorer\\Quick Launch";
  f.startMenu = L"C:\\Users\\ai\\Start Menu";
  f.programs = L"C:\\Users\\ai\\Start Menu\\Programs";
  f.favorites = L"C:\\Users\\ai\\Favorites";
  f.commonDesktop = L"C:\\Users\\Public\\Desktop";
  f.commonStartup = L"C:\\ProgramData\\Start Menu\\Programs\\StartUp";
  f.commonStartMenu = L"C:\\ProgramData\\Start Menu";
  f.commonPrograms = L"C:\\ProgramData\\Start Menu\\Programs";
  return f;
}

TEST(FindDestinationOfFile, FirstMatchInTheFixedOrder) {
  const SpecialFolders f = SampleFolders();
  struct Case {
    const wchar_t* path;
    DestinationKind kind;
    bool allUsers;
    const wchar_t* combo;
  } cases[] = {
      {L"C:\\Users\\ai\\Desktop\\a.lnk", DestinationKind::Desktop, false, L""},
      // The startup folder lies in the start menu, but the exact test comes first.
      {L"C:\\Users\\ai\\Start Menu\\Programs\\Startup\\a.lnk", DestinationKind::Startup, false, L""},
      {L"C:\\Users\\ai\\SendTo\\a.lnk", DestinationKind::Sendto, false, L""},
      {L"C:\\Users\\ai\\AppData\\Roaming\\Microsoft\\Internet Explorer\\Quick Launch\\a.lnk",
       DestinationKind::QuickLaunch, false, L""},
      {L"C:\\Users\\ai\\Start Menu\\Programs\\Tools\\a.lnk", DestinationKind::StartMenu, false,
       L"C:\\Users\\ai\\Start Menu\\Programs\\Tools"},
      {L"c:\\users\\AI\\start menu\\Programs\\a.lnk", DestinationKind::StartMenu, false,
       L"c:\\users\\AI\\start menu\\Programs"},
      {L"C:\\Users\\ai\\Favorites\\Links\\a.url", DestinationKind::Favorites, false,
       L"C:\\Users\\ai\\Favorites\\Links"},
      {L"C:\\Users\\Public\\Desktop\\a.lnk", DestinationKind::Desktop, true, L""},
      {L"C:\\ProgramData\\Start Menu\\Programs\\StartUp\\a.lnk", DestinationKind::Startup, true, L""},
      {L"C:\\ProgramData\\Start Menu\\Programs\\x\\a.lnk", DestinationKind::StartMenu, true,
       L"C:\\ProgramData\\Start Menu\\Programs\\x"},
      // Exact tests are case-sensitive: another spelling of the desktop is somewhere else.
      {L"C:\\users\\ai\\desktop\\a.lnk", DestinationKind::Free, false, L"C:\\users\\ai\\desktop"},
      {L"D:\\a.lnk", DestinationKind::Free, false, L"D:\\"},
      {L"D:\\work\\links\\a.lnk", DestinationKind::Free, false, L"D:\\work\\links"},
  };
  for (const auto& c : cases) {
    const DestinationOfFile d = FindDestinationOfFile(f, c.path);
    EXPECT_EQ(d.kind, c.kind) << testing::PrintToString(std::wstring(c.path));
    EXPECT_EQ(d.allUsers, c.allUsers) << testing::PrintToString(std::wstring(c.path));
    EXPECT_EQ(d.comboFolder, c.combo) << testing::PrintToString(std::wstring(c.path));
  }
}

TEST(FindDestinationOfFile, UnknownFoldersNeverMatch) {
  SpecialFolders f;  // every lookup failed
  const DestinationOfFile d = FindDestinationOfFile(f, L"C:\\Users\\ai\\Desktop\\a.lnk");
  EXPECT_EQ(d.kind, DestinationKind::Free);
  EXPECT_EQ(d.comboFolder, L"C:\\Users\\ai\\Desktop");
}

TEST(FixedDestinationFolder, AllUsersMattersForDesktopAndStartupOnly) {
  const SpecialFolders f = SampleFolders();
  EXPECT_EQ(FixedDestinationFolder(f, DestinationKind::Desktop, true), f.commonDesktop);
  EXPECT_EQ(FixedDestinationFolder(f, DestinationKind::Startup, true), f.commonStartup);
  EXPECT_EQ(FixedDestinationFolder(f, DestinationKind::Sendto, true), f.sendTo);
  EXPECT_EQ(FixedDestinationFolder(f, DestinationKind::QuickLaunch, true), f.quickLaunch);
  EXPECT_EQ(FixedDestinationFolder(f, DestinationKind::Desktop, false), f.desktop);
  EXPECT_EQ(FixedDestinationFolder(f, DestinationKind::Free, false), L"");
}

}  // namespace
}  // namespace pelmora
