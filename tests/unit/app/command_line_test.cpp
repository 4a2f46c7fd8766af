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

}  // namespace
}  // namespace pelmora
