#include "naming/id3_tags.h"

#include <gtest/gtest.h>

#include "support/id3_builder.h"

namespace pelmora {
namespace {

using namespace test;

const std::string kSjisArtist = "\x83\x41\x81\x5b\x83\x65\x83\x42\x83\x58\x83\x67";  // アーティスト
const std::string kSjisTitle = "\x8b\xc8\x96\xbc";                                  // 曲名
const std::string kAudio(4096, '\xAA');

std::string Le16Bom(std::wstring_view text) { return "\xff\xfe" + Utf16Bytes(text, false) + std::string(2, '\0'); }
std::string Be16Bom(std::wstring_view text) { return "\xfe\xff" + Utf16Bytes(text, true) + std::string(2, '\0'); }

Mp3Tags Read(const std::string& file) { return ReadId3Tags(file, file); }

TEST(Id3Tags, EveryVersionAndTextEncoding) {
  struct Case {
    const char* what;
    std::string tag;
    std::wstring title;
    std::wstring artist;
  } cases[] = {
      {"2.2 ISO-8859-1", Tag(2, 0, Frame22("TT2", TextData(0, "Song")) + Frame22("TP1", TextData(0, "Band"))), L"Song",
       L"Band"},
      {"2.3 UTF-16 little-endian", Tag(3, 0, Frame23("TPE1", TextData(1, Le16Bom(L"歌手"))) +
                                                 Frame23("TIT2", TextData(1, Le16Bom(L"日本の歌")))),
       L"日本の歌", L"歌手"},
      {"2.3 UTF-16 big-endian mark", Tag(3, 0, Frame23("TIT2", TextData(1, Be16Bom(L"タイトル")))), L"タイトル", L""},
      {"2.4 UTF-16BE", Tag(4, 0, Frame24("TIT2", TextData(2, Utf16Bytes(L"曲", true)))), L"曲", L""},
      {"2.4 UTF-8", Tag(4, 0, Frame24("TIT2", TextData(3, "\xe6\x9b\xb2\xe5\x90\x8d")) +
                                  Frame24("TPE1", TextData(3, "Caf\xc3\xa9"))),
       L"曲名", L"Café"},
      {"2.3 Shift-JIS marked ISO-8859-1",
       Tag(3, 0, Frame23("TIT2", TextData(0, kSjisTitle)) + Frame23("TPE1", TextData(0, kSjisArtist))), L"曲名",
       L"アーティスト"},
      {"2.3 ISO-8859-1 accents", Tag(3, 0, Frame23("TIT2", TextData(0, "Caf\xe9 del Mar"))), L"Café del Mar", L""},
      // Accents before ASCII letters can pass for Shift-JIS pairs, kana-range letters for kana.
      {"2.3 ISO-8859-1 that could pass for Shift-JIS",
       Tag(3, 0, Frame23("TIT2", TextData(0, "Na\xefve Caf\xe9s")) + Frame23("TPE1", TextData(0, "\xc7" "a va"))),
       L"Naïve Cafés", L"Ça va"},
      {"2.3 UTF-16 without a mark, little-endian", Tag(3, 0, Frame23("TIT2", TextData(1, Utf16Bytes(L"日本", false)))),
       L"日本", L""},
      {"2.3 UTF-16 without a mark, big-endian", Tag(3, 0, Frame23("TIT2", TextData(1, Utf16Bytes(L"Song", true)))),
       L"Song", L""},
      // Zero bytes of two characters next to each other are no terminator: it lies on a
      // character's own two bytes.
      {"2.3 UTF-16 with zero bytes meeting between characters",
       Tag(3, 0, Frame23("TIT2", TextData(1, Le16Bom(L"A一B")))), L"A一B", L""},
      {"2.4 UTF-16BE with zero bytes meeting between characters",
       Tag(4, 0, Frame24("TIT2", TextData(2, Utf16Bytes(L"一A", true)))), L"一A", L""},
      {"2.4 UTF-8 with a bad byte", Tag(4, 0, Frame24("TIT2", TextData(3, "A\xff" "B"))), L"A\xFFFD" L"B", L""},
      {"2.4 first of several values", Tag(4, 0, Frame24("TIT2", TextData(3, std::string("One\0Two", 7)))), L"One",
       L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Mp3Tags tags = Read(c.tag + kAudio);
    EXPECT_EQ(tags.title, c.title);
    EXPECT_EQ(tags.artist, c.artist);
  }
}

TEST(Id3Tags, TagStructuresAreUnderstood) {
  const std::string title16 = TextData(1, Le16Bom(L"ÿ題"));  // holds FF bytes to unsynchronise
  const std::string extended23 = BigEndianBytes(6, 4) + std::string(6, '\0');
  const std::string extended24 = SyncSafeBytes(6) + std::string(1, '\x01') + std::string(1, '\0');
  const std::string group = "G";
  struct Case {
    const char* what;
    std::string tag;
  } cases[] = {
      {"2.3 unsynchronised", Tag(3, 0x80, Unsynchronise(Frame23("TIT2", title16)))},
      {"2.4 unsynchronised frame", Tag(4, 0, Frame24("TIT2", Unsynchronise(title16), 0x02))},
      {"2.4 unsynchronised tag", Tag(4, 0x80, Frame24("TIT2", Unsynchronise(title16), 0x02))},
      {"2.3 extended header", Tag(3, 0x40, extended23 + Frame23("TIT2", title16))},
      {"2.4 extended header", Tag(4, 0x40, extended24 + Frame24("TIT2", title16))},
      {"2.4 footer", Tag(4, 0x10, Frame24("TIT2", title16))},
      {"2.4 group and data length", Tag(4, 0, Frame24("TIT2", group + SyncSafeBytes(9) + title16, 0x41))},
      {"2.3 group", Tag(3, 0, Frame23("TIT2", group + title16, 0x20))},
      {"2.3 status flags", Tag(3, 0, Frame23("TIT2", title16).replace(8, 1, "\xe0"))},
      {"2.4 data length alone", Tag(4, 0, Frame24("TIT2", SyncSafeBytes(8) + title16, 0x01))},
      {"other frames first, padding after",
       Tag(3, 0, Frame23("TALB", TextData(0, "Album")) + Frame23("TIT2", title16) + std::string(64, '\0'))},
      {"2.4 sizes written without the seven-bit rule",
       Tag(4, 0, Frame24("COMM", std::string(200, 'c')).replace(4, 4, BigEndianBytes(200, 4)) +
                     Frame24("TIT2", title16))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Read(c.tag + kAudio).title, L"ÿ題");
  }
}

TEST(Id3Tags, Id3v1AndItsPlaceBesideVersion2) {
  const std::string v1 = Id3v1(kSjisTitle, kSjisArtist);
  Mp3Tags tags = Read(kAudio + v1);
  EXPECT_EQ(tags.title, L"曲名");
  EXPECT_EQ(tags.artist, L"アーティスト");

  tags = Read(kAudio + Id3v1("Padded title", "Padded artist", ' '));
  EXPECT_EQ(tags.title, L"Padded title");
  EXPECT_EQ(tags.artist, L"Padded artist");

  // Fields that fill all their 30 bytes, without a NUL: read whole, and not beyond.
  tags = Read(kAudio + Id3v1(std::string(26, 't') + kSjisTitle, std::string(30, 'a')));
  EXPECT_EQ(tags.title, std::wstring(26, L't') + L"曲名");
  EXPECT_EQ(tags.artist, std::wstring(30, L'a'));

  // Version 2 wins; what it lacks comes from version 1.
  tags = Read(Tag(3, 0, Frame23("TIT2", TextData(0, "New title"))) + kAudio + v1);
  EXPECT_EQ(tags.title, L"New title");
  EXPECT_EQ(tags.artist, L"アーティスト");

  // A version 2.4 tag placed after the audio, before the version 1 tag.
  const std::string appended = Tag(4, 0x10, Frame24("TPE1", TextData(3, "Appended")));
  tags = Read(kAudio + appended + v1);
  EXPECT_EQ(tags.title, L"曲名");
  EXPECT_EQ(tags.artist, L"Appended");
  EXPECT_EQ(AppendedId3v2TagBytes(kAudio + appended + v1), appended.size() + v1.size());
  EXPECT_EQ(Read(kAudio + appended).artist, L"Appended");
  // The file's end read just as far as the tag reaches, as the file reader does.
  EXPECT_EQ(ReadId3Tags(kAudio, appended + v1).artist, L"Appended");
  EXPECT_EQ(Read(kAudio + Tag(3, 0x10, Frame23("TPE1", TextData(0, "Appended"))) + v1).artist,
            L"アーティスト");  // only version 2.4 has a footer
  EXPECT_EQ(Id3v2TagBytes(appended), appended.size());  // header, frames and footer
}

TEST(Id3Tags, BrokenAndMissingTagsGiveWhatCanBeRead) {
  const std::string good = Tag(3, 0, Frame23("TIT2", TextData(0, "Title")) + Frame23("TPE1", TextData(0, "Artist")));
  struct Case {
    const char* what;
    std::string file;
    std::wstring title;
    std::wstring artist;
  } cases[] = {
      {"no tag", kAudio, L"", L""},
      {"empty file", "", L"", L""},
      {"header only", good.substr(0, 10), L"", L""},
      {"cut inside the second frame", good.substr(0, good.size() - 3), L"Title", L""},
      {"frame larger than the tag", Tag(3, 0, Frame23("TIT2", TextData(0, "T")).replace(4, 4, BigEndianBytes(999, 4))),
       L"", L""},
      {"size not seven-bit", good.substr(0, 6) + "\x80\x80\x80\x80" + good.substr(10), L"", L""},
      {"unknown version", "ID3\x05" + good.substr(4), L"", L""},
      {"2.2 compressed", Tag(2, 0x40, Frame22("TT2", TextData(0, "Song"))), L"", L""},
      {"2.3 compressed frame", Tag(3, 0, Frame23("TIT2", TextData(0, "Zipped"), 0x80)), L"", L""},
      {"2.3 encrypted frame", Tag(3, 0, Frame23("TIT2", TextData(0, "Secret"), 0x40)), L"", L""},
      {"2.4 compressed frame", Tag(4, 0, Frame24("TIT2", TextData(0, "Zipped"), 0x08)), L"", L""},
      {"2.4 encrypted frame", Tag(4, 0, Frame24("TIT2", TextData(0, "Secret"), 0x04)), L"", L""},
      {"repeated frame: the first counts",
       Tag(3, 0, Frame23("TIT2", TextData(0, "First")) + Frame23("TIT2", TextData(0, "Second"))), L"First", L""},
      {"repeated frame after an unreadable one",
       Tag(3, 0, Frame23("TIT2", TextData(0, "Zipped"), 0x80) + Frame23("TIT2", TextData(0, "Plain"))), L"Plain", L""},
      {"repeated frame after an empty one",
       Tag(3, 0, Frame23("TIT2", TextData(0, "")) + Frame23("TIT2", TextData(0, "Second"))), L"Second", L""},
      {"unknown text encoding", Tag(3, 0, Frame23("TIT2", TextData(7, "Title"))), L"", L""},
      {"empty frame", Tag(3, 0, Frame23("TIT2", "")), L"", L""},
      {"extended header larger than the tag", Tag(3, 0x40, BigEndianBytes(500, 4) + "xx"), L"", L""},
      {"odd UTF-16", Tag(3, 0, Frame23("TIT2", TextData(1, std::string("\xff\xfe" "A\0B", 5)))), L"A", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Mp3Tags tags = Read(c.file);
    EXPECT_EQ(tags.title, c.title);
    EXPECT_EQ(tags.artist, c.artist);
  }
}

TEST(Id3Tags, TextsAreLimitedTo128ShiftJisBytes) {
  const std::wstring kanji(100, L'曲');
  const Mp3Tags tags = Read(Tag(4, 0, Frame24("TIT2", TextData(1, Le16Bom(kanji))) +
                                          Frame24("TPE1", TextData(0, std::string(200, 'a')))));
  EXPECT_EQ(tags.title, std::wstring(64, L'曲'));
  EXPECT_EQ(tags.artist, std::wstring(128, L'a'));
}

}  // namespace
}  // namespace pelmora
