#include "shell/extension_list.h"

#include <algorithm>

#include "text/text_rules.h"

namespace pelmora {

TypedExtension ReadTypedExtension(std::wstring_view typed) {
  std::wstring text = TrimSpaces(typed);
  if (!text.empty() && text.front() == L'.') text.erase(0, 1);
  if (text.empty()) return {};
  for (wchar_t c : text)
    if (c < 0x20 || std::wstring_view(L"\\/:*?\"<>|,").find(c) != std::wstring_view::npos)
      return {TypedExtensionKind::Unusable, text};
  return {TypedExtensionKind::Usable, text};
}

int ExtensionList::Find(std::wstring_view extension) const {
  for (size_t i = 0; i < entries_.size(); ++i)
    if (EqualsNoCase(entries_[i], extension)) return static_cast<int>(i);
  return -1;
}

int ExtensionList::Insert(std::wstring_view extension) {
  if (const int found = Find(extension); found >= 0) return found;
  std::wstring entry = ToUpper(extension);
  const auto index = std::lower_bound(entries_.begin(), entries_.end(), entry) - entries_.begin();
  entries_.insert(entries_.begin() + index, std::move(entry));
  return static_cast<int>(index);
}

int ExtensionList::RemoveAt(int index) {
  if (index < 0 || index >= static_cast<int>(entries_.size())) return -1;
  entries_.erase(entries_.begin() + index);
  if (entries_.empty()) return -1;
  return std::min(index, static_cast<int>(entries_.size()) - 1);
}

std::wstring JoinExtensionList(const std::vector<std::wstring>& entries) {
  std::wstring joined;
  for (size_t i = 0; i < entries.size(); ++i) joined += (i ? L"," : L"") + entries[i];
  return joined;
}

std::vector<std::wstring> SplitExtensionList(std::wstring_view stored) {
  std::vector<std::wstring> entries;
  size_t start = 0;
  while (start <= stored.size()) {
    size_t comma = stored.find(L',', start);
    if (comma == std::wstring_view::npos) comma = stored.size();
    std::wstring piece = TrimSpaces(stored.substr(start, comma - start));
    if (!piece.empty()) entries.push_back(std::move(piece));
    start = comma + 1;
  }
  return entries;
}

}  // namespace pelmora
