#include "naming/version_names_rules.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(TranslationKey, LanguageThenCodePageInUpperCaseHex) {
  EXPECT_EQ(TranslationKey(0x0411, 0x04B0), L"041104B0");
  EXPECT_EQ(TranslationKey(0x0409, 0x04E4), L"040904E4");
  EXPECT_EQ(TranslationKey(0, 0), L"00000000");
  EXPECT_EQ(TranslationKey(0xABCD, 0x00EF), L"ABCD00EF");

  const unsigned char table[] = {0x09, 0x04, 0xE4, 0x04, 0x11, 0x04, 0xB0, 0x04};
  EXPECT_EQ(FirstTranslationKey(table, sizeof(table)), L"040904E4");  // only the first entry
  EXPECT_EQ(FirstTranslationKey(table, 3), L"00000000");
  EXPECT_EQ(FirstTranslationKey(nullptr, 0), L"00000000");
}

TEST(FitVersionValue, ValuesOf128AnsiBytesDoNotFit) {
  EXPECT_EQ(FitVersionValue(L"Product"), L"Product");
  EXPECT_EQ(FitVersionValue(std::wstring(L"Name\0junk", 9)), L"Name");
  EXPECT_EQ(FitVersionValue(std::wstring(127, L'a')), std::wstring(127, L'a'));
  EXPECT_EQ(FitVersionValue(std::wstring(128, L'a')), std::nullopt);
  EXPECT_EQ(FitVersionValue(std::wstring(63, L'名') + L"a"), std::wstring(63, L'名') + L"a");  // 127 bytes
  EXPECT_EQ(FitVersionValue(std::wstring(64, L'名')), std::nullopt);
  EXPECT_EQ(FitVersionValue(std::wstring(200, L'a') + L'\0'), std::nullopt);
}

}  // namespace
}  // namespace pelmora
