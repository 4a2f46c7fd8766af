#include <gtest/gtest.h>

#include "win/system.h"
#include "naming/target_readers.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

std::wstring Fixture(const std::wstring& name) { return ProgramFolder() + L"naming_version_" + name + L".exe"; }

TEST(VersionNames, ReadFromTheFirstTranslation) {
  VersionNames names;
  struct Case {
    const wchar_t* fixture;
    std::wstring product;
    std::wstring description;
  } cases[] = {
      {L"en", L"Fixture Product", L"Fixture description"},         // key 040904E4
      {L"second_translation", L"", L""},                            // strings only under the second
      {L"empty_product", L"", L"Only a description"},
      {L"no_translation", L"Neutral product", L"Neutral description"},  // key 00000000
      {L"cafe", L"Café ペルモラ", L"カフェの説明"},                   // read as Unicode, nothing lost
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fixture);
    ASSERT_EQ(GetPathKind(Fixture(c.fixture)), PathKind::File);
    names = ReadVersionNames(Fixture(c.fixture));
    EXPECT_EQ(names.ProductName, c.product);
    EXPECT_EQ(names.FileDescription, c.description);
  }
}

TEST(VersionNames, AValueOf128BytesEndsTheRead) {
  VersionNames names;
  // 64 kanji are 128 bytes in Shift-JIS: the name is dropped, and the description not read.
  names = ReadVersionNames(Fixture(L"long_product"));
  EXPECT_EQ(names.ProductName, L"");
  EXPECT_EQ(names.FileDescription, L"");
  // 127 bytes still fit; a description of 128 bytes does not.
  names = ReadVersionNames(Fixture(L"edge_lengths"));
  EXPECT_EQ(names.ProductName, std::wstring(127, L'p'));
  EXPECT_EQ(names.FileDescription, L"");
}

TEST(VersionNames, FilesWithoutVersionsGiveNoNames) {
  VersionNames names;
  test::TempFolder dir;
  ASSERT_TRUE(test::WriteFileBytes(dir / L"plain.exe", "MZ not really a program"));
  for (const std::wstring& path : {dir / L"plain.exe", dir / L"missing.exe", std::wstring()}) {
    names = ReadVersionNames(path);
    EXPECT_EQ(names.ProductName, L"");
    EXPECT_EQ(names.FileDescription, L"");
  }
}

}  // namespace
}  // namespace pelmora
