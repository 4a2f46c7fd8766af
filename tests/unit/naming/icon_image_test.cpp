#include "naming/icon_image.h"

#include <gtest/gtest.h>

#include "support/image_builder.h"

namespace pelmora {
namespace {

using test::Ico;
using test::IconBitmap;
using test::SolidPng;

std::string Flipped(std::string bytes, std::size_t at) {
  bytes[at] = static_cast<char>(bytes[at] ^ 0x40);
  return bytes;
}

TEST(SniffIconImage, SoundImagesOnly) {
  const std::string png = SolidPng(16, 16);
  const std::string ico = Ico({{16, 16, IconBitmap(16, 16)}, {32, 32, SolidPng(32, 32)}});
  std::string countTooHigh = ico;
  countTooHigh[4] = 3;
  // The image's length reaches past the end of the file, though what is there reads well.
  std::string entryOutside = Ico({{16, 16, IconBitmap(16, 16)}});
  entryOutside[6 + 9] = static_cast<char>(entryOutside[6 + 9] + 1);
  std::string cursor = ico;
  cursor[2] = 2;
  struct Case {
    const char* what;
    std::string bytes;
    IconImageKind kind;
  } cases[] = {
      {"png", png, IconImageKind::Png},
      {"ico", ico, IconImageKind::Ico},
      {"gif", test::TinyGif(), IconImageKind::Gif},
      {"bmp", test::SolidBmp(3, 2), IconImageKind::Bmp},
      {"jpeg start", "\xFF\xD8\xFF\xE0\x00\x10JFIF", IconImageKind::Jpeg},
      {"png without its end", png.substr(0, png.size() - 12), IconImageKind::None},
      {"png with a changed pixel", Flipped(png, png.size() - 30), IconImageKind::None},
      {"png too large to convert", SolidPng(2049, 1), IconImageKind::None},
      {"ico counting more entries than it has", countTooHigh, IconImageKind::None},
      {"ico entry reaching past the file", entryOutside, IconImageKind::None},
      {"ico truncated", ico.substr(0, ico.size() - 1), IconImageKind::None},
      {"ico holding a corrupt png", Ico({{16, 16, Flipped(png, 40)}}), IconImageKind::None},
      {"ico bitmap of 300 pixels", Ico({{44, 44, IconBitmap(300, 1)}}), IconImageKind::None},
      {"cursor", cursor, IconImageKind::None},
      {"svg", "<?xml version=\"1.0\"?><svg xmlns=\"http://www.w3.org/2000/svg\"/>", IconImageKind::None},
      {"html error page", "<!DOCTYPE html><title>404 Not Found</title>", IconImageKind::None},
      {"empty", "", IconImageKind::None},
      {"too big", png + std::string(kMaxSiteIconBytes, '\0'), IconImageKind::None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(SniffIconImage(c.bytes), c.kind);
  }
}

TEST(IconFileBytes, IcoKeptPngWrappedTheRestLeftToConvert) {
  const std::string ico = Ico({{16, 16, IconBitmap(16, 16)}});
  EXPECT_EQ(IconFileBytes(ico), ico);
  for (const std::uint32_t side : {16u, 256u}) {
    SCOPED_TRACE(side);
    const std::string png = SolidPng(side, side / 2);
    const std::string wrapped = IconFileBytes(png);
    // One PNG-compressed image; a side of 256 is written as 0.
    EXPECT_EQ(wrapped, Ico({{side % 256, side / 2, png}}));
    EXPECT_EQ(SniffIconImage(wrapped), IconImageKind::Ico);
  }
  EXPECT_EQ(IconFileBytes(SolidPng(257, 16)), "");
  EXPECT_EQ(IconFileBytes(test::SolidBmp(16, 16)), "");
  EXPECT_EQ(IconFileBytes("<svg/>"), "");
}

TEST(StoredIconName, HostAndHashOfTheFile) {
  EXPECT_EQ(Fnv1a64(""), 0xCBF29CE484222325ull);
  EXPECT_EQ(Fnv1a64("a"), 0xAF63DC4C8601EC8Cull);
  EXPECT_EQ(StoredIconName(L"WWW.Example.com", "a"), L"www.example.com-af63dc4c8601ec8c.ico");
  EXPECT_NE(StoredIconName(L"www.example.com", "b"), StoredIconName(L"www.example.com", "a"));
  EXPECT_EQ(StoredIconName(L"[::1]", ""), L"___1_-cbf29ce484222325.ico");
  EXPECT_EQ(StoredIconName(L"", ""), L"site-cbf29ce484222325.ico");
  EXPECT_EQ(StoredIconName(L"nul.example", ""), L"_nul.example-cbf29ce484222325.ico");
  EXPECT_EQ(StoredIconName(std::wstring(100, L'h'), ""), std::wstring(64, L'h') + L"-cbf29ce484222325.ico");
}

}  // namespace
}  // namespace pelmora
