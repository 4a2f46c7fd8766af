#include <gtest/gtest.h>

#include "support/id3_builder.h"
#include "naming/mp3_tag_file.h"
#include "naming/target_readers.h"
#include "reader_test.h"

namespace pelmora {
namespace {

using namespace test;

const std::string kAudio(64 * 1024, '\xAA');

class Mp3Name : public ReaderTest {};

TEST_F(Mp3Name, NamesFromTheFilesTagsInTheConfiguredPattern) {
  TempFolder dir;
  const std::wstring path = dir / L"曲.mp3";
  const std::string title = "\xff\xfe" + Utf16Bytes(L"夜の歌", false);
  ASSERT_TRUE(WriteFileBytes(path, Tag(3, 0, Frame23("TIT2", TextData(1, title))) + kAudio +
                                       Id3v1("Old title", "\x89\xcc\x8e\xe8")));  // 歌手
  EXPECT_EQ(ReadMp3Name(path, settings_.GetMp3Format), L"歌手 - 夜の歌");
  settings_.GetMp3Format = L"%t by %a";
  EXPECT_EQ(ReadMp3Name(path, settings_.GetMp3Format), L"夜の歌 by 歌手");

  // A file cut off inside its tag still gives what arrived.
  ASSERT_TRUE(WriteFileBytes(path, Tag(3, 0, Frame23("TIT2", TextData(0, "Song")) + std::string(9999, '\0'))
                                       .substr(0, 30)));
  EXPECT_EQ(ReadMp3Name(path, settings_.GetMp3Format), L"Song by ");
}

TEST_F(Mp3Name, FilesThatCannotBeOpenedFailTheOpenUntaggedOnesDoNot) {
  TempFolder dir;
  Mp3Tags tags;
  EXPECT_FALSE(OpenMp3Tags(dir / L"missing.mp3", tags));
  EXPECT_FALSE(OpenMp3Tags(dir.Path(), tags));
  const std::wstring locked = dir / L"locked.mp3";
  ASSERT_TRUE(WriteFileBytes(locked, kAudio + Id3v1("Song", "Band")));
  HANDLE exclusive = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(OpenMp3Tags(locked, tags));
  EXPECT_EQ(ReadMp3Name(locked, settings_.GetMp3Format), L"");
  CloseHandle(exclusive);
  EXPECT_EQ(ReadMp3Name(locked, settings_.GetMp3Format), L"Band - Song");

  for (const std::string& bytes : {kAudio, std::string()}) {
    ASSERT_TRUE(WriteFileBytes(dir / L"untagged.mp3", bytes));
    tags.title = L"stale";
    EXPECT_TRUE(OpenMp3Tags(dir / L"untagged.mp3", tags));
    EXPECT_EQ(tags.title, L"");
    EXPECT_EQ(ReadMp3Name(dir / L"untagged.mp3", settings_.GetMp3Format), L"");
  }
}

}  // namespace
}  // namespace pelmora
