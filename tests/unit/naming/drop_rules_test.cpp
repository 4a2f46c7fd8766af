#include "naming/drop_rules.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(DropRules, RecycleBinItemsAreIgnored) {
  for (const wchar_t* path : {L"C:\\RECYCLER\\S-1-5\\Dc1.txt", L"D:\\Recycled\\x.doc", L"E:\\$RECYCLE.BIN\\S-1\\x",
                              L"\\\\SERVER\\SHARE\\$Recycle.Bin\\x"})
    EXPECT_TRUE(IsInRecycleBin(path)) << path;
  for (const wchar_t* path : {L"C:\\RECYCLER", L"C:\\Data\\RECYCLER\\x.txt", L"C:\\Recyclers\\x.txt",
                              L"C:\\My$Recycle.Bin\\x", L"", L"C"})
    EXPECT_FALSE(IsInRecycleBin(path)) << path;

  using Files = std::vector<std::wstring>;
  EXPECT_EQ(DroppedFileTargets({}), Files{});
  EXPECT_EQ(DroppedFileTargets({L"C:\\a.txt", L"C:\\b.txt", L"C:\\c.txt"}), (Files{L"C:\\a.txt", L"C:\\b.txt", L"C:\\c.txt"}));
  EXPECT_EQ(DroppedFileTargets({L"C:\\RECYCLER\\S-1-5\\Dc1.txt", L"C:\\b.txt", L"D:\\$Recycle.Bin\\x"}), Files{L"C:\\b.txt"});
}

TEST(DropRules, OnlyTextThatIsAUrlBecomesTheTrimmedTarget) {
  const auto classify = [](const std::wstring& text) {
    return text.rfind(L"http://", 0) == 0 ? TargetKind::Url : TargetKind::Invalid;
  };
  using namespace std::string_literals;
  EXPECT_EQ(DroppedTextTarget(L"  http://example.com/  ", classify), L"http://example.com/");
  EXPECT_EQ(DroppedTextTarget(L"http://example.com/\0junk"s, classify), L"http://example.com/");
  EXPECT_FALSE(DroppedTextTarget(L"word", classify));
  EXPECT_FALSE(DroppedTextTarget(L"C:\\Windows", [](const std::wstring&) { return TargetKind::Folder; }));
}

}  // namespace
}  // namespace pelmora
