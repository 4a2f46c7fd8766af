#include "win/picked_files.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(PickedFiles, OneFullPathOrAFolderAndItsNames) {
  using namespace std::string_literals;
  using Files = std::vector<std::wstring>;
  EXPECT_EQ(PickedFiles(L"C:\\a b\\x.txt\0\0"s), Files{L"C:\\a b\\x.txt"});
  EXPECT_EQ(PickedFiles(L"C:\\a b\0x.txt\0写真.jpg\0\0garbage"s), (Files{L"C:\\a b\\x.txt", L"C:\\a b\\写真.jpg"}));
  EXPECT_EQ(PickedFiles(L"C:\\\0x.txt\0y.txt\0\0"s), (Files{L"C:\\x.txt", L"C:\\y.txt"}));  // a drive's root
  EXPECT_EQ(PickedFiles(L"\0\0"s), Files{});
  EXPECT_EQ(PickedFiles(L"C:\\a\0b"s), (Files{L"C:\\a\\b"}));  // no final NUL: the buffer's end
}

}  // namespace
}  // namespace pelmora
