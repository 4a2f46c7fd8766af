#include "naming/drop_rules.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(IsInRecycleBin, OldMarkersAfterTheDriveAndTheModernFolderAnywhere) {
  const struct {
    const wchar_t* path;
    bool inBin;
  } cases[] = {
      {L"C:\\RECYCLER\\S-1-5\\Dc1.txt", true},
      {L"D:\\Recycled\\x.doc", true},
      {L"d:\\recycled\\", true},
      {L"C:\\$Recycle.Bin\\S-1-5-21\\$RABC.txt", true},
      {L"E:\\$RECYCLE.BIN\\S-1\\x", true},
      {L"\\\\SERVER\\SHARE\\$Recycle.Bin\\x", true},
      {L"C:\\RECYCLER", false},  // the folder itself, too short for the marker
      {L"C:\\Data\\RECYCLER\\x.txt", false},  // only right after the drive
      {L"C:\\Recyclers\\x.txt", false},
      {L"C:\\My$Recycle.Bin\\x", false},
      {L"C:\\$Recycle.Bin", false},
      {L"", false},
      {L"C", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsInRecycleBin(c.path), c.inBin) << c.path;
}

TEST(DroppedFileTarget, TakesTheFirstFileUnlessItIsInTheBin) {
  EXPECT_FALSE(DroppedFileTarget({}));
  EXPECT_EQ(DroppedFileTarget({L"C:\\a.txt", L"C:\\b.txt", L"C:\\c.txt"}), L"C:\\a.txt");
  EXPECT_FALSE(DroppedFileTarget({L"C:\\RECYCLER\\S-1-5\\Dc1.txt", L"C:\\b.txt"}));
  EXPECT_EQ(DroppedFileTarget({L"C:\\b.txt", L"C:\\RECYCLER\\S-1-5\\Dc1.txt"}), L"C:\\b.txt");
}

TEST(DroppedTextTarget, OnlyATrimmedUrlIsTaken) {
  std::wstring classified;
  const auto classify = [&](const std::wstring& text) {
    classified = text;
    return text.find(L"://") != std::wstring::npos ? TargetKind::Url : TargetKind::Invalid;
  };
  using namespace std::string_literals;
  EXPECT_EQ(DroppedTextTarget(L"  http://example.com/  ", classify), L"http://example.com/");
  EXPECT_EQ(classified, L"http://example.com/");
  EXPECT_EQ(DroppedTextTarget(L"http://example.com/\0junk"s, classify), L"http://example.com/");
  EXPECT_FALSE(DroppedTextTarget(L"word", classify));
  EXPECT_FALSE(DroppedTextTarget(L"   ", classify));
  EXPECT_FALSE(DroppedTextTarget(L"C:\\Windows", [](const std::wstring&) { return TargetKind::Folder; }));
  EXPECT_FALSE(DroppedTextTarget(L"http://x/", {}));
}

}  // namespace
}  // namespace pelmora
