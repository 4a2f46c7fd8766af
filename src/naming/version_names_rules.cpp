#include "naming/version_names_rules.h"

#include "text/code_page.h"

namespace pelmora {

std::optional<std::wstring> FitVersionValue(std::wstring_view value) {
  const std::wstring_view text = value.substr(0, value.find(L'\0'));
  if (AnsiByteCount(text) >= kVersionValueBytes) return std::nullopt;
  return std::wstring(text);
}

}  // namespace pelmora
