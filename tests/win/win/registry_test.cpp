// Registry access on a scratch key of the current user, removed afterwards.
#include "win/registry.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

class RegistryTest : public testing::Test {
 protected:
  const std::wstring root_ = L"Software\\PelmoraTest-" + std::to_wstring(GetCurrentProcessId());
  std::wstring Key(const std::wstring& below) const { return root_ + L"\\" + below; }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, root_.c_str()); }

  // Stores raw bytes with a type of our choosing, as another program might.
  void StoreRaw(const std::wstring& key, const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    HKEY k = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(k, name, 0, type, static_cast<const BYTE*>(data), bytes), ERROR_SUCCESS);
    RegCloseKey(k);
  }
};

TEST_F(RegistryTest, MissingKeysAndValuesGiveTheDefault) {
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"none"), L"", L"既定"), L"既定");
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"none"), L"x"), L"");
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"none"), L"x", DWORD{7}), 7u);
  ASSERT_TRUE(WriteRegValue(HKEY_CURRENT_USER, Key(L"k"), L"named", L"v"));
  // The key's default value was never set.
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"k"), L"", L"既定"), L"既定");
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"k"), L"other", L"既定"), L"既定");
}

TEST_F(RegistryTest, TextKeepsEveryCharacterAndNumbersRoundTrip) {
  // Characters outside code page 932 too: a program folder may be named with them.
  const std::wstring texts[] = {L"ペルモラ", L"C:\\Ünïcødé 𠮷\\pelmora.exe", L"", std::wstring(kRegTextLimit, L'あ')};
  for (const auto& text : texts) {
    ASSERT_TRUE(WriteRegValue(HKEY_CURRENT_USER, Key(L"t"), L"", text));
    EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"t"), L"", L"既定"), text) << text.size();
  }
  DWORD type = 0, bytes = 0;
  ASSERT_TRUE(WriteRegValue(HKEY_CURRENT_USER, Key(L"t"), L"", L"ペルモラ"));
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, Key(L"t").c_str(), nullptr, RRF_RT_ANY, &type, nullptr, &bytes), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(bytes, 10u);  // four characters and the terminating NUL

  ASSERT_TRUE(WriteRegValue(HKEY_CURRENT_USER, Key(L"t"), L"Flags", DWORD{0}));
  ASSERT_TRUE(WriteRegValue(HKEY_CURRENT_USER, Key(L"t"), L"Contexts", DWORD{0x80000001}));
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"t"), L"Flags", DWORD{9}), 0u);
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"t"), L"Contexts", DWORD{9}), 0x80000001u);
}

TEST_F(RegistryTest, ValuesThatAreNotWhatIsAskedGiveTheDefault) {
  const std::wstring tooLong(kRegTextLimit + 1, L'x');
  ASSERT_TRUE(WriteRegValue(HKEY_CURRENT_USER, Key(L"r"), L"long", tooLong));
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"r"), L"long", L"既定"), L"既定");  // not cut short

  const wchar_t noNul[] = {L'a', L'b', L'c'};
  StoreRaw(Key(L"r"), L"nonul", REG_SZ, noNul, sizeof(noNul));
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"r"), L"nonul"), L"abc");
  const std::wstring limitNoNul(kRegTextLimit, L'y');
  StoreRaw(Key(L"r"), L"limit", REG_SZ, limitNoNul.data(), static_cast<DWORD>(limitNoNul.size() * 2));
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"r"), L"limit"), limitNoNul);
  const std::wstring overNoNul(kRegTextLimit + 1, L'y');
  StoreRaw(Key(L"r"), L"over", REG_SZ, overNoNul.data(), static_cast<DWORD>(overNoNul.size() * 2));
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"r"), L"over", L"既定"), L"既定");

  const wchar_t expand[] = L"%SystemRoot%\\a.dll,2";
  StoreRaw(Key(L"r"), L"expand", REG_EXPAND_SZ, expand, sizeof(expand));
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"r"), L"expand"), expand);  // left unexpanded

  const DWORD number = 0x00410041;  // would read as "AA" if its type were ignored
  StoreRaw(Key(L"r"), L"number", REG_DWORD, &number, sizeof(number));
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"r"), L"number", L"既定"), L"既定");
  StoreRaw(Key(L"r"), L"binary", REG_BINARY, &number, sizeof(number));
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"r"), L"binary", DWORD{5}), 5u);
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"r"), L"expand", DWORD{5}), 5u);
}

TEST_F(RegistryTest, WritingCreatesMissingKeysAndDeletingTakesOneKey) {
  ASSERT_TRUE(WriteRegValue(HKEY_CURRENT_USER, Key(L"a\\b\\c"), L"", L"深い"));
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"a\\b\\c"), L""), L"深い");

  EXPECT_FALSE(DeleteRegKey(HKEY_CURRENT_USER, Key(L"a\\b")));  // still has a sub-key
  EXPECT_TRUE(DeleteRegKey(HKEY_CURRENT_USER, Key(L"a\\b\\c")));
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, Key(L"a\\b\\c"), L"", L"既定"), L"既定");
  EXPECT_TRUE(DeleteRegKey(HKEY_CURRENT_USER, Key(L"a\\b")));
  EXPECT_FALSE(DeleteRegKey(HKEY_CURRENT_USER, Key(L"a\\b")));  // gone already
  EXPECT_FALSE(DeleteRegKey(HKEY_CURRENT_USER, Key(L"never")));
  EXPECT_FALSE(DeleteRegKey(HKEY_CURRENT_USER, L""));
  EXPECT_TRUE(OpenRegKey(HKEY_CURRENT_USER, L"Software", KEY_READ));  // the root is untouched
}

}  // namespace
}  // namespace pelmora
