// ProductName and FileDescription from an executable's version resource, read as Unicode.
#include <windows.h>

#include <string>
#include <vector>

#include "naming/target_readers.h"
#include "naming/version_names_rules.h"

namespace pelmora {
namespace {

// The string value under the key; empty when the query finds nothing.
std::wstring QueryString(std::vector<unsigned char>& block, const std::wstring& key, const wchar_t* name) {
  const std::wstring query = L"\\StringFileInfo\\" + key + L"\\" + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), query.c_str(), &value, &length) || !value || length == 0) return {};
  // The length counts characters, the terminator included or not depending on the writer.
  const auto* text = static_cast<const wchar_t*>(value);
  std::size_t n = 0;
  while (n < length && text[n] != L'\0') ++n;
  return std::wstring(text, n);
}

}  // namespace

VersionNames ReadVersionNames(const std::wstring& path) {
  VersionNames names;
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return names;
  std::vector<unsigned char> block(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return names;

  void* table = nullptr;
  UINT tableBytes = 0;
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &table, &tableBytes)) {
    table = nullptr;
    tableBytes = 0;
  }
  const std::wstring key = FirstTranslationKey(table, tableBytes);

  const auto product = FitVersionValue(QueryString(block, key, L"ProductName"));
  if (!product) return names;
  names.ProductName = *product;
  const auto description = FitVersionValue(QueryString(block, key, L"FileDescription"));
  if (!description) return names;
  names.FileDescription = *description;
  return names;
}

}  // namespace pelmora
