#include "win/version_resource.h"

#include <windows.h>

#include <cwchar>

namespace pelmora {

VersionResource::VersionResource(const std::wstring& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return;
  block_.resize(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, block_.data())) {
    block_.clear();
    return;
  }
  struct Translation {
    WORD language, codePage;
  }* table = nullptr;
  UINT bytes = 0;
  Translation first{};  // no whole entry: language and code page 0
  if (VerQueryValueW(block_.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&table), &bytes) &&
      table && bytes >= sizeof(Translation))
    first = *table;
  wchar_t key[40];
  swprintf(key, std::size(key), L"\\StringFileInfo\\%04X%04X\\", first.language, first.codePage);
  translation_ = key;
}

std::optional<VersionResource::Numbers> VersionResource::FileVersion() const {
  if (block_.empty()) return std::nullopt;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block_.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
      length < sizeof(VS_FIXEDFILEINFO))
    return std::nullopt;
  return Numbers{HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                 LOWORD(fixed->dwFileVersionLS)};
}

std::wstring VersionResource::String(const wchar_t* name) const {
  if (block_.empty()) return {};
  const std::wstring query = translation_ + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(const_cast<unsigned char*>(block_.data()), query.c_str(), &value, &length) || !value ||
      length == 0)
    return {};
  // The length counts characters, the terminator included or not depending on the writer.
  const auto* text = static_cast<const wchar_t*>(value);
  return std::wstring(text, wcsnlen(text, length));
}

}  // namespace pelmora
