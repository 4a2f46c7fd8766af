#include "shortcut/recent_folders.h"

#include <algorithm>

#include "text/text_rules.h"

namespace pelmora {

std::wstring RecentKeyPrefix(RecentList which) {
  switch (which) {
    case RecentList::StartMenu: return L"Start";
    case RecentList::Favorites: return L"Favorites";
    case RecentList::Free: return L"Free";
  }
  return L"Free";
}

int DropDownWidth::EntryWidth(int textWidthPixels) {
  if (textWidthPixels <= 0) return 0;
  // × 1.08 in whole numbers: exact, and never half-way, so rounding has no tie to break.
  return static_cast<int>((static_cast<long long>(textWidthPixels) * 108 + 50) / 100);
}

int DropDownWidth::Add(int textWidthPixels) {
  // An entry wider than the limit gets the limit; the width never shrinks.
  current_ = std::max(current_, std::min(EntryWidth(textWidthPixels), limit_));
  return current_;
}

void RecentFolderList::Load(const KeyReader& read) {
  entries_.clear();
  const std::wstring prefix = KeyPrefix();
  for (std::size_t position = 1; position <= kRecentFolderLimit; ++position) {
    std::wstring value = TrimAtNul(read(prefix + std::to_wstring(position)));
    if (!value.empty()) entries_.push_back(std::move(value));
  }
}

void RecentFolderList::Save(const KeyWriter& write) const {
  const std::wstring prefix = KeyPrefix();
  for (std::size_t position = 1; position <= kRecentFolderLimit; ++position)
    write(prefix + std::to_wstring(position), position <= entries_.size() ? entries_[position - 1] : std::wstring());
}

void RecentFolderList::Remember(std::wstring_view folder) {
  std::wstring text = TrimSpaces(folder);
  if (text.empty()) return;
  const auto same = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const std::wstring& entry) { return EqualsNoCase(entry, text); });
  if (same != entries_.end()) entries_.erase(same);
  entries_.insert(entries_.begin(), std::move(text));
  if (entries_.size() > kRecentFolderLimit) entries_.resize(kRecentFolderLimit);
}

}  // namespace pelmora
