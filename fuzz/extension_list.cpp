// Any stored extension list (HkcrExt, editable by hand) and any typed extension: the list rules
// take every input, and what they keep reads back the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/extension_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pelmora;
  std::wstring text;
  for (size_t i = 0; i + 1 < size; i += 2) text.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));

  const auto entries = SplitExtensionList(text);
  for (const auto& entry : entries)
    if (entry.empty() || entry.find(L',') != std::wstring::npos || entry.front() == L' ' || entry.back() == L' ')
      __builtin_trap();
  if (SplitExtensionList(JoinExtensionList(entries)) != entries) __builtin_trap();

  ExtensionList list;
  for (const auto& entry : entries) list.Insert(entry);
  if (!std::is_sorted(list.Entries().begin(), list.Entries().end())) __builtin_trap();
  for (size_t i = 0; i < list.Entries().size(); ++i)
    if (list.Find(list.Entries()[i]) != static_cast<int>(i)) __builtin_trap();  // each once
  while (!list.Empty()) {
    const int next = list.RemoveAt(static_cast<int>(list.Entries().size() / 2));
    if (next < -1 || next >= static_cast<int>(list.Entries().size())) __builtin_trap();
  }

  const TypedExtension typed = ReadTypedExtension(text);
  if (typed.kind == TypedExtensionKind::Usable &&
      typed.extension.find_first_of(L"\\/:*?\"<>|,") != std::wstring::npos)
    __builtin_trap();
  return 0;
}
