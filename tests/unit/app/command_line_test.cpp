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

TEST(AutoArgument, FolderPartThenUrlAndTitle) {
  using K = AutoFolderPart::Kind;
  const struct {
    const wchar_t* argument;
    K kind;
    const wchar_t* folder;
    const wchar_t* rest;
  } folders[] = {
      {L" http://a b", K::Desktop, L"", L"http://a b"},
      {L"\"C:\\f\" http://a b", K::Quoted, L"C:\\f", L"http://a b"},
      {L"\"C:\\f\\\" http://a b", K::Quoted, L"C:\\f", L"http://a b"},      // one trailing "\" goes
      {L"\"C:\\f\\\\\" http://a b", K::Quoted, L"C:\\f\\", L"http://a b"},  // only one
      {L"\"C:\\f\"Xhttp://a b", K::Quoted, L"C:\\f", L"http://a b"},         // any one character is skipped
      {L"\"C:\\f\"", K::Quoted, L"C:\\f", L""},
      {L"\"C:\\f http://a b", K::Usage, L"", L""},                           // no closing quote
      {L"x http://a b", K::Usage, L"", L""},
      {L"", K::Usage, L"", L""},
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
    const wchar_t* url;
    const wchar_t* name;
  } names[] = {
      {L"http://a.jp/ My  page ", L"", L"http://a.jp/", L"My  page"},
      {L"http://a.jp/ a/b:c?\"<>|*\\", L"", L"http://a.jp/", L"a／b：c？”＜＞｜＊￥"},
      {L"http://a.jp/x ", L"", L"http://a.jp/x", L"http：／／a.jp／x"},   // no title: the URL made safe
      {L"http://a.jp/x \t\r\n", L"", L"http://a.jp/x", L"http：／／a.jp／x"},
      {L"http://a.jp/", kAutoUsageMessage, L"", L""},
      {L"mailto:a@b.jp title", kAutoBadUrlMessage, L"", L""},
      {L"\"C:\\f\" http://a b", kAutoBadUrlMessage, L"", L""},            // a blank before the quote
  };
  for (const auto& c : names) {
    const AutoNameParts parts = ParseAutoUrlAndTitle(c.rest);
    EXPECT_EQ(parts.message, c.message) << c.rest;
    if (!parts.message.empty()) continue;
    EXPECT_EQ(parts.url, c.url) << c.rest;
    EXPECT_EQ(parts.name, c.name) << c.rest;
  }
}

TEST(AutoShortcutName, TitlesThatNameNoFileGiveWayToTheUrlAndDevicesMoveAside) {
  const std::wstring fromUrl = L"http：／／a.jp／";
  const struct {
    const wchar_t* title;
    std::wstring name;
  } cases[] = {
      {L"Title", L"Title"},      {L"  ", fromUrl},   {L".", fromUrl},      {L"..", fromUrl}, {L" ... ", fromUrl},
      {L"CON", L"CON_"},         {L"lpt1 ", L"lpt1_"}, {L"nul.txt", L"nul_.txt"}, {L".hidden", L".hidden"},
      {L"a.", L"a."},            {L"COM0", L"COM0"},
  };
  for (const auto& c : cases) EXPECT_EQ(AutoShortcutName(L"http://a.jp/", c.title), c.name) << c.title;
}

TEST(CommandPaths, NumberingLinkPathAndExplorer) {
  EXPECT_EQ(NumberedShortcutPath(L"C:\\f", L"t", 1), L"C:\\f\\t.url");
  EXPECT_EQ(NumberedShortcutPath(L"C:\\f", L"t", 2), L"C:\\f\\t (2).url");
  EXPECT_EQ(NumberedShortcutPath(L"C:\\f", L"t", 9999), L"C:\\f\\t (9999).url");
  const std::pair<const wchar_t*, const wchar_t*> links[] = {
      {L"\"C:\\a b.lnk\"", L"C:\\a b.lnk"}, {L"C:\\a.lnk", L"C:\\a.lnk"}, {L"\"", L"\""}, {L"\"\"", L""},
      {L"\"C:\\a.lnk", L"\"C:\\a.lnk"},
  };
  for (const auto& [argument, path] : links) EXPECT_EQ(LinkPathOfArgument(argument), path) << argument;
  EXPECT_EQ(ExplorerSelectCommand(L"C:\\a b\\c.txt"), L"Explorer.exe /select,\"C:\\a b\\c.txt\"");
}

}  // namespace
}  // namespace pelmora
