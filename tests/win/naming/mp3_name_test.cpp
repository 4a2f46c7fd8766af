#include <gtest/gtest.h>

#include "naming/id3_builder.h"
#include "naming/mp3_tag_file.h"
#include "naming/target_readers.h"
#include "reader_test.h"

namespace pelmora {
namespace {

using namespace test;

const std::string kAudio(64 * 1024, '\xAA');
const std::string kSjisTitle = "\x8b\xc8\x96\xbc";  // 曲名

std::string Le16Bom(std::wstring_view text) { return "\xff\xfe" + Utf16Bytes(text, false) + std::string(2, '\0'); }

class Mp3Name : public ReaderTest {};

TEST_F(Mp3Name, NamesFromTagsOfEveryKind) {
  TempFolder dir;
  struct Case {
    const char* what;
    std::string file;
    std::wstring name;
  } cases[] = {
      {"2.3 UTF-16", Tag(3, 0, Frame23("TIT2", TextData(1, Le16Bom(L"夜の歌"))) +
                                   Frame23("TPE1", TextData(1, Le16Bom(L"歌手")))) + kAudio,
       L"歌手 - 夜の歌"},
      {"2.2", Tag(2, 0, Frame22("TT2", TextData(0, "Song")) + Frame22("TP1", TextData(0, "Band"))) + kAudio,
       L"Band - Song"},
      {"1 in Shift-JIS", kAudio + Id3v1(kSjisTitle, "Band"), L"Band - 曲名"},
      {"both, version 2 first", Tag(4, 0, Frame24("TIT2", TextData(3, "New"))) + kAudio + Id3v1("Old", "Band"),
       L"Band - New"},
      {"title only", Tag(3, 0, Frame23("TIT2", TextData(0, "Song"))) + kAudio, L" - Song"},
      {"no tags", kAudio, L""},
      {"empty file", "", L""},
      {"cut inside its tag", Tag(3, 0, Frame23("TIT2", TextData(0, "Song")) + std::string(100000, '\0')).substr(0, 30),
       L" - Song"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::wstring path = dir / L"曲.mp3";
    ASSERT_TRUE(WriteFileBytes(path, c.file));
    EXPECT_EQ(ReadMp3Name(path), c.name);
  }
}

TEST_F(Mp3Name, ThePatternComesFromTheSettings) {
  TempFolder dir;
  ASSERT_TRUE(WriteFileBytes(dir / L"a.mp3", kAudio + Id3v1("Song", "Band")));
  CurrentSettings().GetMp3Format = L"%t by %a";
  EXPECT_EQ(ReadMp3Name(dir / L"a.mp3"), L"Song by Band");
  CurrentSettings().GetMp3Format = L"music";
  EXPECT_EQ(ReadMp3Name(dir / L"a.mp3"), L"");
}

TEST_F(Mp3Name, FilesThatCannotBeOpenedFailTheOpen) {
  TempFolder dir;
  Mp3Tags tags;
  EXPECT_FALSE(OpenMp3Tags(dir / L"missing.mp3", tags));
  EXPECT_FALSE(OpenMp3Tags(dir.Path(), tags));
  const std::wstring locked = dir / L"locked.mp3";
  ASSERT_TRUE(WriteFileBytes(locked, kAudio + Id3v1("Song", "Band")));
  HANDLE exclusive = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(OpenMp3Tags(locked, tags));
  EXPECT_EQ(ReadMp3Name(locked), L"");
  CloseHandle(exclusive);
  EXPECT_TRUE(OpenMp3Tags(locked, tags));
  EXPECT_EQ(tags.title, L"Song");

  ASSERT_TRUE(WriteFileBytes(dir / L"untagged.mp3", kAudio));
  tags.title = L"stale";
  EXPECT_TRUE(OpenMp3Tags(dir / L"untagged.mp3", tags));
  EXPECT_EQ(tags.title, L"");
  EXPECT_EQ(tags.artist, L"");
}

}  // namespace
}  // namespace pelmora
