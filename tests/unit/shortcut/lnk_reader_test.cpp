// The .lnk reader is what the shell-link tests trust, so it is checked against a link built here
// byte by byte, with the parts Wine's shell link does not write (a tagged extension block).
#include "support/lnk_reader.h"

#include <gtest/gtest.h>

namespace pelmora::test {
namespace {

struct Builder {
  std::string bytes;
  void U16(unsigned v) { bytes += {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)}; }
  void U32(std::uint32_t v) { U16(v & 0xFFFF), U16(v >> 16); }
  void Text(const std::u16string& s, bool counted) {
    if (counted) U16(static_cast<unsigned>(s.size()));
    for (char16_t c : s) U16(c);
  }
};

// A file-system entry item (without its size field): type, short ANSI name, then an extension
// block with the long name, whose offset closes the item.
std::string FileEntry(char type, const std::string& shortName, unsigned version, const std::u16string& longName) {
  const std::string head = std::string(1, type) + std::string(11, '\0') + shortName + std::string(2 - shortName.size() % 2, '\0');
  Builder block;
  block.U16(0);
  block.U16(version);
  block.U32(version ? 0xBEEF0004 : 0);
  block.bytes += std::string((version >= 9 ? 46 : version >= 7 ? 38 : 20) - 8, '\x01');
  block.Text(longName + u'\0', false);
  block.U16(static_cast<unsigned>(2 + head.size()));  // counted from the item's size field
  block.bytes[0] = static_cast<char>(block.bytes.size());
  return head + block.bytes;
}

std::string SampleLink() {
  Builder b;
  b.U32(0x4C);
  b.bytes += std::string("\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16);
  b.U32(kHasLinkTargetIdList | kHasLinkInfo | kHasName | kHasWorkingDir | kHasArguments | kIsUnicode);
  b.bytes += std::string(0x38 - 0x18, '\0');
  b.U32(static_cast<std::uint32_t>(-3));  // icon index
  b.U32(7);                               // show command
  b.bytes += std::string(12, '\0');
  const std::string items[] = {std::string("\x2F" "C:\\", 4) + std::string(19, '\0'),
                               FileEntry('\x31', "TOOLS~1", 9, u"Tools \u00E9"),
                               FileEntry('\x32', "APP~1.EXE", 0, u"app \U0001F600.exe")};
  b.U16(static_cast<unsigned>(2 * 3 + items[0].size() + items[1].size() + items[2].size() + 2));
  for (const std::string& item : items) b.U16(static_cast<unsigned>(2 + item.size())), b.bytes += item;
  b.U16(0);
  const std::string base = std::string("C:\\Tools e\\app ?.exe") + '\0';  // what ANSI makes of it
  for (std::uint32_t v : {0x1Cu + static_cast<std::uint32_t>(base.size()) + 1, 0x1Cu, 1u, 0u, 0x1Cu, 0u,
                          0x1Cu + static_cast<std::uint32_t>(base.size())})
    b.U32(v);
  b.bytes += base + '\0';
  b.Text(std::u16string(u"a comment \u00E9\0", 12), true);  // a counted NUL, as Wine writes it
  b.Text(u"C:\\Tools", true);
  b.Text(u"--flag \"x y\"", true);
  b.U32(0);
  return b.bytes;
}

TEST(ReadLnkFile, ReadsEveryPartOfAHandMadeLink) {
  const auto lnk = ReadLnkFile(SampleLink());
  ASSERT_TRUE(lnk);
  EXPECT_EQ(lnk->showCommand, 7u);
  EXPECT_EQ(lnk->iconIndex, -3);
  EXPECT_EQ(lnk->idListItems.size(), 3u);
  EXPECT_EQ(lnk->localBasePath, L"C:\\Tools e\\app ?.exe");
  // The item list's Unicode names win over the lossy ANSI path.
  EXPECT_EQ(lnk->TargetPath(), L"C:\\Tools \u00E9\\app \U0001F600.exe");
  EXPECT_EQ(lnk->name, L"a comment \u00E9");
  EXPECT_EQ(lnk->workingDir, L"C:\\Tools");
  EXPECT_EQ(lnk->arguments, L"--flag \"x y\"");
  EXPECT_FALSE(lnk->iconLocation);
}

}  // namespace
}  // namespace pelmora::test
