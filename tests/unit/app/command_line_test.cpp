#include "app/command_line.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(RawArgumentText, TakesEverythingAfterTheProgramPathUnchanged) {
  struct Case {
    const wchar_t* line;
    const wchar_t* expected;
  } cases[] = {
      {L"pelmora.exe", L""},
      {L"\"C:\\Program Files\\pelmora.exe\"", L""},
      {L"\"C:\\Program Files\\pelmora.exe\" \"C:\\a b\\c.txt\"", L"\"C:\\a b\\c.txt\""},
      {L"C:\\tools\\pelmora.exe   /AUTO\"C:\\x\" http://a b", L"/AUTO\"C:\\x\" http://a b"},
      {L"pelmora.exe http://example.com/ my  title  ", L"http://example.com/ my  title  "},
      {L"\"C:\\p.exe\"/LNK x", L"/LNK x"},
      {L"pelmora.exe\t/LNK x", L"/LNK x"},  // a tab separates like a blank
      {L"\"C:\\p.exe\"\t \tC:\\a\tb", L"C:\\a\tb"},
  };
  for (const auto& c : cases) EXPECT_EQ(RawArgumentText(c.line), c.expected) << c.line;
}

TEST(ClassifyCommandLine, SwitchesInAnyCaseWithTheirLengthTests) {
  struct Case {
    const wchar_t* text;
    StartAction action;
    const wchar_t* argument;
  } cases[] = {
      {L"", StartAction::MainWindow, L""},
      {L"/LNK \"C:\\a.lnk\"", StartAction::OpenLinkTarget, L"\"C:\\a.lnk\""},
      {L"/lnk C:\\a.lnk", StartAction::OpenLinkTarget, L"C:\\a.lnk"},
      {L"/Lnk x", StartAction::OpenLinkTarget, L"x"},
      {L"/LNK", StartAction::MainWindow, L""},
      {L"/LNK ", StartAction::MainWindow, L""},
      {L"/LNKx", StartAction::MainWindow, L""},
      {L"/AUTO", StartAction::MainWindow, L""},
      {L"/AUTOx", StartAction::MainWindow, L""},
      {L"/AUTO h", StartAction::AutoInternetShortcut, L" h"},
      {L"/auto\"C:\\f\" http://x t", StartAction::AutoInternetShortcut, L"\"C:\\f\" http://x t"},
      {L"/AUTO http://x", StartAction::AutoInternetShortcut, L" http://x"},
      // /LNK comes first: a text that starts with it never reaches the /AUTO test.
      {L"/LNK/AUTO x", StartAction::OpenLinkTarget, L"AUTO x"},
      {L"\"C:\\a.txt\"", StartAction::MainWindow, L""},
      {L"http://example.com/ title", StartAction::MainWindow, L""},
  };
  for (const auto& c : cases) {
    const StartRequest r = ClassifyCommandLine(c.text);
    EXPECT_EQ(r.action, c.action) << c.text;
    EXPECT_EQ(r.argument, c.argument) << c.text;
  }
}

TEST(StartupTargets, SendToListsOfFullPathsElseOneTarget) {
  using Paths = std::vector<std::wstring>;
  // Only these paths exist; the second, spelt with a doubled backslash, would split into two.
  const auto exists = [](const std::wstring& path) {
    return path == L"C:\\My Files\\a b.txt" || path == L"C:\\My \\\\b.txt";
  };
  std::wstring fifty;
  Paths fiftyPaths;
  for (int i = 0; i < 50; ++i) {
    fiftyPaths.push_back(L"D:\\写真 " + std::to_wstring(i) + L".jpg");
    fifty += L"\"" + fiftyPaths.back() + L"\" ";
  }
  const struct {
    std::wstring text;
    Paths targets;
  } cases[] = {
      {L"C:\\My Files\\a b.txt", {L"C:\\My Files\\a b.txt"}},                // one existing path, blanks unquoted
      {L"C:\\My \\\\b.txt", {L"C:\\My \\\\b.txt"}},                          // the whole text first
      {L"\"C:\\My Files\\a b.txt\"", {L"\"C:\\My Files\\a b.txt\""}},        // one quoted: the text as it was
      {L"\"C:\\gone\\a b.txt\"", {L"\"C:\\gone\\a b.txt\""}},                  // one quoted, missing
      {L"C:\\no such\\x.txt", {L"C:\\no such\\x.txt"}},                        // "such\x.txt" is no full path
      {L"\"C:\\a b\\x.txt\" \"D:\\日本 語\\y.lnk\"", {L"C:\\a b\\x.txt", L"D:\\日本 語\\y.lnk"}},
      {L"C:\\x.txt \"D:\\y z.url\" \\\\srv\\share\\w", {L"C:\\x.txt", L"D:\\y z.url", L"\\\\srv\\share\\w"}},
      {L"C:\\x.txt  C:\\", {L"C:\\x.txt", L"C:\\"}},
      {L"http://a.jp/ C:\\x.txt", {L"http://a.jp/ C:\\x.txt"}},                    // a URL and its title
      {L"\"C:\\a\"b C:\\c", {L"\"C:\\a\"b C:\\c"}},                            // not Send To's quoting
      {L"\"C:\\a C:\\b", {L"\"C:\\a C:\\b"}},                                    // no closing quote
      {fifty, fiftyPaths},
  };
  for (const auto& c : cases) EXPECT_EQ(StartupTargets(c.text, exists), c.targets) << c.text;
}

TEST(AutoArgument, FolderPartThenUrlAndTitle) {
  using K = AutoFolderPart::Kind;
  const struct {
    const wchar_t* argument;
    K kind;
    const wchar_t* folder;
    const wchar_t* rest;
  } folders[] = {
      {L" http://a b", K::Desktop, L"", L"http://a b"},
      {L"\"C:\\f\\\\\" http://a b", K::Quoted, L"C:\\f\\", L"http://a b"},  // one trailing "\" goes
      {L"\"C:\\f\"Xhttp://a b", K::Quoted, L"C:\\f", L"http://a b"},       // any one character is skipped
      {L"\"C:\\f\"", K::Quoted, L"C:\\f", L""},
      {L"\"C:\\f http://a b", K::Usage, L"", L""},                         // no closing quote
      {L"x http://a b", K::Usage, L"", L""},
  };
  for (const auto& c : folders) {
    const AutoFolderPart part = ParseAutoFolder(c.argument);
    EXPECT_EQ(part.kind, c.kind) << c.argument;
    EXPECT_EQ(part.folder, c.folder) << c.argument;
    EXPECT_EQ(part.rest, c.rest) << c.argument;
  }
  const struct {
    const wchar_t* rest;
    const wchar_t* message;
    const wchar_t* name;
  } names[] = {
      {L"http://a.jp/ My  page ", L"", L"My  page"},
      {L"http://a.jp/x \t", L"", L"http：／／a.jp／x"},  // no title: the URL made safe
      {L"http://a.jp/", kAutoUsageMessage, L""},
      {L"mailto:a@b.jp title", kAutoBadUrlMessage, L""},
  };
  for (const auto& c : names) {
    const AutoNameParts parts = ParseAutoUrlAndTitle(c.rest);
    EXPECT_EQ(parts.message, c.message) << c.rest;
    EXPECT_EQ(parts.name, c.name) << c.rest;
  }
}

TEST(AutoShortcutName, TitlesThatNameNoFileGiveWayToTheUrlAndDevicesMoveAside) {
  const std::pair<const wchar_t*, std::wstring> cases[] = {
      {L"Title", L"Title"}, {L"  ", L"http：／／a.jp／"}, {L" ... ", L"http：／／a.jp／"}, {L"lpt1 ", L"lpt1_"},
      {L"nul.txt", L"nul_.txt"}, {L".hidden", L".hidden"}, {L"a/b:c?", L"a／b：c？"},
  };
  for (const auto& [title, name] : cases) EXPECT_EQ(AutoShortcutName(L"http://a.jp/", title), name) << title;
  EXPECT_EQ(NumberedShortcutPath(L"C:\\f", L"t", 2), L"C:\\f\\t (2).url");
}

}  // namespace
}  // namespace pelmora
