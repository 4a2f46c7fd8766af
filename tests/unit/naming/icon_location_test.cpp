#include "naming/icon_location.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(ParseIconLocation, FileAndIndexOrNothing) {
  struct Case {
    const wchar_t* text;
    const wchar_t* file;
    int index;
  } cases[] = {
      {L"\"C:\\Program Files\\app.exe\",2", L"C:\\Program Files\\app.exe", 2},
      {L"  shell32.dll , 29", L"shell32.dll", 29},
      {L"%SystemRoot%\\system32\\imageres.dll,-203", L"%SystemRoot%\\system32\\imageres.dll", -203},
      {L"a.ico,1.6", L"a.ico", 2},
      {L"a.ico,x", L"a.ico", 0},
      {L"a.ico, +7z", L"a.ico", 7},
      {L"a.ico", L"", 0},          // no comma
      {L"a,b,3", L"", 0},          // two commas
      {L"", L"", 0},
      {L"\",5", L"\"", 5},         // a lone quote is no pair
  };
  for (const auto& c : cases) {
    const IconLocation l = ParseIconLocation(c.text);
    EXPECT_EQ(l.file, c.file) << testing::PrintToString(std::wstring(c.text));
    EXPECT_EQ(l.index, c.index) << testing::PrintToString(std::wstring(c.text));
  }
}

}  // namespace
}  // namespace pelmora
