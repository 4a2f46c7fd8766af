#include "naming/version_names_rules.h"

#include <cstring>

#include "text/code_page.h"

namespace pelmora {

std::wstring TranslationKey(std::uint16_t language, std::uint16_t codePage) {
  static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
  const std::uint32_t both = static_cast<std::uint32_t>(language) << 16 | codePage;
  std::wstring key(8, L'0');
  for (int i = 0; i < 8; ++i) key[7 - i] = kHex[(both >> (4 * i)) & 0xF];
  return key;
}

std::wstring FirstTranslationKey(const void* table, std::size_t tableBytes) {
  if (!table || tableBytes < 4) return TranslationKey(0, 0);
  unsigned char entry[4];
  std::memcpy(entry, table, 4);
  return TranslationKey(static_cast<std::uint16_t>(entry[0] | entry[1] << 8),
                        static_cast<std::uint16_t>(entry[2] | entry[3] << 8));
}

std::optional<std::wstring> FitVersionValue(std::wstring_view value) {
  const std::wstring_view text = value.substr(0, value.find(L'\0'));
  if (AnsiByteCount(text) >= kVersionValueBytes) return std::nullopt;
  return std::wstring(text);
}

}  // namespace pelmora
