#include "win/registry.h"

#include <vector>

namespace pelmora {

RegKey OpenRegKey(HKEY root, std::wstring_view subKey, REGSAM access) {
  const std::wstring path(subKey);
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS) return {};
  return RegKey(key);
}

RegKey CreateRegKey(HKEY root, std::wstring_view subKey) {
  const std::wstring path(subKey);
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return {};
  return RegKey(key);
}

std::wstring ReadRegValue(HKEY root, std::wstring_view subKey, std::wstring_view valueName,
                          std::wstring_view defaultValue) {
  const RegKey key = OpenRegKey(root, subKey, KEY_QUERY_VALUE);
  if (!key) return std::wstring(defaultValue);
  const std::wstring name(valueName);
  // One unit more than the limit: a stored text of exactly the limit may lack its NUL.
  std::vector<wchar_t> buffer(kRegTextLimit + 2, L'\0');
  DWORD type = 0;
  DWORD bytes = static_cast<DWORD>((kRegTextLimit + 1) * sizeof(wchar_t));
  if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return std::wstring(defaultValue);
  std::wstring text(buffer.data(), bytes / sizeof(wchar_t));
  if (const auto nul = text.find(L'\0'); nul != std::wstring::npos) text.resize(nul);
  if (text.size() > kRegTextLimit) return std::wstring(defaultValue);
  return text;
}

DWORD ReadRegValue(HKEY root, std::wstring_view subKey, std::wstring_view valueName, DWORD defaultValue) {
  const RegKey key = OpenRegKey(root, subKey, KEY_QUERY_VALUE);
  if (!key) return defaultValue;
  const std::wstring name(valueName);
  DWORD type = 0, value = 0, bytes = sizeof(value);
  if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || bytes != sizeof(value))
    return defaultValue;
  return value;
}

bool WriteRegValue(HKEY root, std::wstring_view subKey, std::wstring_view valueName, std::wstring_view text) {
  const RegKey key = CreateRegKey(root, subKey);
  if (!key) return false;
  const std::wstring name(valueName), data(text);
  const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), bytes) ==
         ERROR_SUCCESS;
}

bool WriteRegValue(HKEY root, std::wstring_view subKey, std::wstring_view valueName, DWORD number) {
  const RegKey key = CreateRegKey(root, subKey);
  if (!key) return false;
  const std::wstring name(valueName);
  return RegSetValueExW(key.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                        sizeof(number)) == ERROR_SUCCESS;
}

bool DeleteRegKey(HKEY root, std::wstring_view subKey) {
  if (subKey.empty()) return false;
  const std::wstring path(subKey);
  return RegDeleteKeyW(root, path.c_str()) == ERROR_SUCCESS;
}

}  // namespace pelmora
