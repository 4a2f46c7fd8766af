// The extensions the user registered one by one: how a typed extension is read, the sorted
// list the options dialog shows, and its stored form (SYSTEM/HkcrExt of the settings file).
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

enum class TypedExtensionKind {
  Empty,     // nothing but blanks (or a lone ".")
  Unusable,  // holds a character no extension or registry key name may hold
  Usable,
};
struct TypedExtension {
  TypedExtensionKind kind = TypedExtensionKind::Empty;
  std::wstring extension;  // without its leading ".", as typed otherwise
};
// Trims the text and drops one leading ".". Characters that cannot be in a file name, control
// characters and "," (the stored list's separator) make it unusable: a "\" would name a
// different registry key.
TypedExtension ReadTypedExtension(std::wstring_view typed);

// The list as the dialog shows it: upper case, alphabetical, each extension once.
class ExtensionList {
 public:
  const std::vector<std::wstring>& Entries() const { return entries_; }
  bool Empty() const { return entries_.empty(); }
  // The index of the extension, letter case ignored; -1 when it is not in the list.
  int Find(std::wstring_view extension) const;
  // Puts the extension (upper-cased) at its alphabetical place and returns that index; an
  // extension already listed is not added twice.
  int Insert(std::wstring_view extension);
  // Removes entry `index` and returns the entry to select next: the one now at the same
  // place, the new last one when the last was removed, -1 when the list is empty.
  int RemoveAt(int index);
  void Clear() { entries_.clear(); }

 private:
  std::vector<std::wstring> entries_;
};

// HkcrExt: the entries joined by "," without blanks; an empty list is an empty text. Reading
// skips empty pieces and the blanks a hand edit may leave around them.
std::wstring JoinExtensionList(const std::vector<std::wstring>& entries);
std::vector<std::wstring> SplitExtensionList(std::wstring_view stored);

}  // namespace pelmora
