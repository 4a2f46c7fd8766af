// The .lnk reader is what the shell-link tests trust, so it is checked against a file built
// here byte by byte.
#include "support/lnk_reader.h"

#include <gtest/gtest.h>

namespace pelmora::test {
namespace {

class LnkBuilder {
 public:
  void U16(unsigned v) { bytes_ += static_cast<char>(v & 0xFF), bytes_ += static_cast<char>(v >> 8 & 0xFF); }
  void U32(std::uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void Raw(const std::string& s) { bytes_ += s; }
  void Utf16(const std::u16string& s) {
    for (char16_t c : s) U16(c);
  }
  void Counted(const std::u16string& s) {
    U16(static_cast<unsigned>(s.size()));
    Utf16(s);
  }
  std::string& Bytes() { return bytes_; }

 private:
  std::string bytes_;
};

// A file-system entry item (without its size field): type, attributes and the short ANSI name,
// then an extension block holding the long name, whose offset closes the item.
std::string FileEntry(unsigned char type, const std::string& shortName, unsigned version, const std::u16string& longName) {
  LnkBuilder item;
  item.Raw(std::string(1, static_cast<char>(type)) + std::string(11, '\0'));
  item.Raw(shortName + std::string(shortName.size() % 2 ? 1 : 2, '\0'));
  const std::size_t blockOffset = 2 + item.Bytes().size();  // counted from the size field
  LnkBuilder block;
  block.U16(0);  // size, filled in below
  block.U16(version);
  block.U32(version ? 0xBEEF0004 : 0);
  const std::size_t nameOffset = version >= 9 ? 46 : version >= 8 ? 42 : version >= 7 ? 38 : 20;
  block.Raw(std::string(nameOffset - 8, '\x01'));
  block.Utf16(longName);
  block.U16(0);
  block.U16(static_cast<unsigned>(blockOffset));
  std::string bytes = block.Bytes();
  bytes[0] = static_cast<char>(bytes.size() & 0xFF);
  bytes[1] = static_cast<char>(bytes.size() >> 8);
  return item.Bytes() + bytes;
}

// A link to C:\Tools\app.exe with every string, a LinkInfo, an item list and an environment block.
std::string SampleLink() {
  LnkBuilder b;
  b.U32(0x4C);
  b.Raw(std::string("\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16));
  b.U32(kHasLinkTargetIdList | kHasLinkInfo | kHasName | kHasWorkingDir | kHasArguments | kHasIconLocation |
        kIsUnicode);
  b.U32(0x20);                  // attributes
  b.Raw(std::string(24, '\0'));  // three times
  b.U32(1234);                  // size
  b.U32(static_cast<std::uint32_t>(-3));  // icon index
  b.U32(7);                     // show command
  b.U16(0);                     // hot key
  b.Raw(std::string(10, '\0'));
  // Item list: a volume item "C:\", a folder entry whose long name is in a version 9 extension
  // block, and a file entry with a zero-tagged block as Wine writes it.
  const std::string volume = std::string("\x2F", 1) + "C:\\" + std::string(19, '\0');
  const std::string folder = FileEntry(0x31, "TOOLS~1", 9, u"Tools \u00E9");
  const std::string file = FileEntry(0x32, "APP~1.EXE", 0, u"app \U0001F600.exe");
  b.U16(static_cast<unsigned>(2 + volume.size() + 2 + folder.size() + 2 + file.size() + 2));
  for (const std::string* item : {&volume, &folder, &file}) {
    b.U16(static_cast<unsigned>(2 + item->size()));
    b.Raw(*item);
  }
  b.U16(0);
  // LinkInfo with a local base path and an empty suffix.
  const std::string base = "C:\\Tools\\app.exe";
  const std::uint32_t baseOffset = 0x1C, suffixOffset = baseOffset + static_cast<std::uint32_t>(base.size()) + 1;
  b.U32(suffixOffset + 1);
  b.U32(0x1C);
  b.U32(1);
  b.U32(0);  // volume id (not read)
  b.U32(baseOffset);
  b.U32(0);
  b.U32(suffixOffset);
  b.Raw(base + std::string(1, '\0') + std::string(1, '\0'));
  b.Counted(u"a comment \u00E9");
  b.Counted(u"C:\\Tools");
  b.Counted(u"--flag \"x y\"");
  b.Counted(u"C:\\icons.dll");
  // Environment block with only its Unicode target filled.
  b.U32(0x314);
  b.U32(kEnvironmentVariableBlock);
  b.Raw(std::string(260, '\0'));
  const std::u16string envTarget = u"%TOOLS%\\app.exe";
  b.Utf16(envTarget);
  b.Raw(std::string(520 - envTarget.size() * 2, '\0'));
  b.U32(0);
  return b.Bytes();
}

TEST(ReadLnkFile, ReadsEveryPartOfAHandMadeLink) {
  const auto lnk = ReadLnkFile(SampleLink());
  ASSERT_TRUE(lnk);
  EXPECT_EQ(lnk->showCommand, 7u);
  EXPECT_EQ(lnk->iconIndex, -3);
  EXPECT_EQ(lnk->fileSize, 1234u);
  EXPECT_TRUE(lnk->isUnicode);
  EXPECT_EQ(lnk->idListItems.size(), 3u);
  const std::wstring longPath = L"C:\\Tools \u00E9\\app \U0001F600.exe";
  EXPECT_EQ(lnk->idListPath, longPath);
  EXPECT_EQ(lnk->localBasePath, L"C:\\Tools\\app.exe");
  EXPECT_FALSE(lnk->localBasePathUnicode);
  // The item list's Unicode names win over the ANSI local path.
  EXPECT_EQ(lnk->TargetPath(), longPath);
  EXPECT_EQ(lnk->name, L"a comment \u00E9");
  EXPECT_FALSE(lnk->relativePath);
  EXPECT_EQ(lnk->workingDir, L"C:\\Tools");
  EXPECT_EQ(lnk->arguments, L"--flag \"x y\"");
  EXPECT_EQ(lnk->iconLocation, L"C:\\icons.dll");
  EXPECT_EQ(lnk->extraBlocks, (std::vector<std::uint32_t>{kEnvironmentVariableBlock}));
  EXPECT_EQ(lnk->environmentTarget, L"%TOOLS%\\app.exe");
}

TEST(ReadLnkFile, CutOrDamagedFilesAreRefusedWithoutReadingPastTheEnd) {
  const std::string link = SampleLink();
  // Cut anywhere before the extra data: a part is missing.
  const std::size_t extraData = link.size() - 0x314 - 4;
  for (std::size_t size = 0; size < extraData; ++size)
    EXPECT_FALSE(ReadLnkFile(link.substr(0, size))) << size;
  for (std::size_t size = extraData; size < link.size(); ++size) ReadLnkFile(link.substr(0, size));

  std::string wrongClsid = link;
  wrongClsid[4] = 0x02;
  EXPECT_FALSE(ReadLnkFile(wrongClsid));
  // Every single byte set to 0xFF in turn: whatever comes back, nothing is read out of bounds.
  for (std::size_t i = 0; i < link.size(); i += 3) {
    std::string damaged = link;
    damaged[i] = '\xFF';
    ReadLnkFile(damaged);
  }
}

}  // namespace
}  // namespace pelmora::test
