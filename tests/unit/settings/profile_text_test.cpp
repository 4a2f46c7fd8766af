#include "settings/profile_text.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

// What the profile functions leave of lines a person wrote by hand: everything they do not
// write stays as it was. (Files as the program writes them are compared with the profile
// functions' own output under Windows.)
TEST(ApplyProfileWrites, HandWrittenLinesStayAndWritesLandWhereTheProfileFunctionsPutThem) {
  const struct {
    const char* name;
    const wchar_t* before;
    ProfileWrites writes;
    const wchar_t* after;
  } cases[] = {
      {"comments, blanks and spacing of other lines stay; a new key goes before the blank line",
       L"; mine\n[ general ]\n  windowpos = 0 \n\n[Other]\r\n k = v ",
       {{L"GENERAL", L"WindowPos", L"1"}, {L"GENERAL", L"NoMessage", L"1"}},
       L"; mine\r\n[ general ]\r\nwindowpos=1\r\nNoMessage=1\r\n\r\n[Other]\r\n k = v \r\n"},
      {"the first section of a name takes new keys; a removal finds the key in a later one",
       L"[A]\r\nx=1\r\n[B]\r\n[a]\r\ny=2\r\n",
       {{L"A", L"z", L"3"}, {L"A", L"y", std::nullopt}, {L"A", L"gone", std::nullopt}},
       L"[A]\r\nx=1\r\nz=3\r\n[B]\r\n[a]\r\n"},
      {"a commented key is not the key", L"[GENERAL]\r\n;GetTitle=0\r\nGetTitle\r\n",
       {{L"GENERAL", L"GetTitle", std::nullopt}}, L"[GENERAL]\r\n;GetTitle=0\r\n"},
      {"a value is one line; a new section goes at the end", L"[A]\rx=1",
       {{L"A", L"x", L"2\r\n[B]\r\nz=9"}, {L"New", L"k", L""}}, L"[A]\r\nx=2\r\n[New]\r\nk=\r\n"},
      {"an empty file", L"", {{L"S", L"k", L"v"}, {L"S", L"k", std::nullopt}}, L"[S]\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(ApplyProfileWrites(c.before, c.writes), c.after) << c.name;
}

TEST(ProfileFile, KeepsTheEncodingItsMarkNames) {
  const std::wstring text = L"[S]\r\nk=日本\r\n";
  const struct {
    ProfileEncoding encoding;
    std::string mark;
  } cases[] = {{ProfileEncoding::Ansi, ""},
               {ProfileEncoding::Utf8, "\xEF\xBB\xBF"},
               {ProfileEncoding::Utf16Le, "\xFF\xFE"},
               {ProfileEncoding::Utf16Be, "\xFE\xFF"}};
  for (const auto& c : cases) {
    const std::string bytes = EncodeProfileFile({text, c.encoding});
    EXPECT_EQ(bytes.substr(0, c.mark.size()), c.mark);
    const ProfileFileText back = DecodeProfileFile(bytes);
    EXPECT_EQ(back.text, text);
    EXPECT_EQ(back.encoding, c.encoding);
  }
  EXPECT_EQ(EncodeProfileFile({text, ProfileEncoding::Ansi}), "[S]\r\nk=\x93\xFA\x96\x7B\r\n");
}

}  // namespace
}  // namespace pelmora
