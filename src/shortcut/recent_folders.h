// The recently used sub-folders of the StartMenu, Favorites and Free destinations, and the
// width of their combos' drop-down parts.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The three lists, numbered as the main window keeps them.
enum class RecentList { StartMenu = 0, Favorites = 1, Free = 2 };

inline constexpr std::size_t kRecentFolderLimit = 10;
inline constexpr wchar_t kRecentFolderSection[] = L"RecentDir";

// "Start", "Favorites" or "Free": the settings keys are this prefix and a position 1 to 10.
std::wstring RecentKeyPrefix(RecentList which);

// The drop-down part of a sub-folder combo is made wide enough for its entries, up to twice the
// combo's width; it never shrinks while the program runs.
class DropDownWidth {
 public:
  // Fixed once, when the list is loaded.
  void SetLimit(int comboWidthPixels) { limit_ = comboWidthPixels * 2; }
  int Limit() const { return limit_; }
  int Current() const { return current_; }
  // Takes one entry's text width and returns the drop-down width from now on.
  int Add(int textWidthPixels);
  // The room one entry asks for: its text width with 8 % to spare, rounded.
  static int EntryWidth(int textWidthPixels);

 private:
  int limit_ = 0;
  int current_ = 0;
};

// At most ten folders, most recent first, no two alike when letter case is ignored.
class RecentFolderList {
 public:
  explicit RecentFolderList(RecentList which) : which_(which) {}

  RecentList Which() const { return which_; }
  std::wstring KeyPrefix() const { return RecentKeyPrefix(which_); }
  const std::vector<std::wstring>& Entries() const { return entries_; }
  bool Empty() const { return entries_.empty(); }
  DropDownWidth& DropDown() { return dropDown_; }
  const DropDownWidth& DropDown() const { return dropDown_; }

  // Reads the keys prefix1 to prefix10 through `read` (the value of a key, or empty). Values
  // are cut at a NUL and trimmed; empty positions are skipped and later ones still load.
  using KeyReader = std::function<std::wstring(const std::wstring& key)>;
  void Load(const KeyReader& read);
  // Writes all ten keys through `write`, empty values beyond the list's length.
  using KeyWriter = std::function<void(const std::wstring& key, const std::wstring& value)>;
  void Save(const KeyWriter& write) const;

  // Puts the (trimmed) folder first, dropping an entry equal to it in any letter case and the
  // eleventh entry. An empty folder leaves the list as it is.
  void Remember(std::wstring_view folder);

 private:
  RecentList which_;
  std::vector<std::wstring> entries_;
  DropDownWidth dropDown_;
};

}  // namespace pelmora
