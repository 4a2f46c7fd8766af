// Any target text and any shortcut name: the URL check, the name rules and the recent list take
// every input, and their results keep the promises the create command relies on.
#include <cstddef>
#include <cstdint>
#include <string>

#include "text/text_rules.h"
#include "shortcut/name_rules.h"
#include "shortcut/recent_folders.h"
#include "url/url_syntax.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pelmora;
  std::wstring text;
  for (size_t i = 0; i + 1 < size; i += 2) text.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));

  // Only the head before the first "?" counts.
  const TargetKind kind = CheckUrlSyntax(text);
  Check(kind == TargetKind::Url || kind == TargetKind::Invalid);
  const size_t question = text.find(L'?');
  if (question != std::wstring::npos) {
    Check(CheckUrlSyntax(text.substr(0, question)) == kind);
    Check(CheckUrlSyntax(text + L" \"<>") == kind);
  }
  (void)HasWildcard(text);

  // A sanitized name has nothing the name check refuses, and sanitizing again changes nothing.
  const std::wstring clean = SanitizeShortcutName(text);
  Check(FindNameFault(clean).fault == NameFault::None);
  Check(SanitizeShortcutName(clean) == clean);
  const NameFaultAt fault = FindNameFault(text);
  Check(fault.fault == NameFault::None || fault.position < text.size());
  // A device's name is made usable by one added character; any other name is left alone.
  const std::wstring usable = AvoidReservedName(text);
  Check(!IsReservedDeviceName(usable));
  Check(IsReservedDeviceName(text) ? usable.size() == text.size() + 1 : usable == text);
  (void)NamesDevice(text);

  const ShortcutInfoCheck check = CheckShortcutInfo(text, clean, [](const std::wstring&) { return TargetKind::File; });
  if (check.passed) Check(!IsReservedDeviceName(TrimSpaces(clean)) && !TrimSpaces(text).empty());
  (void)IsShortcutPathTooLong(text);

  // The recent list stays within ten distinct entries whatever is remembered.
  RecentFolderList list(RecentList::Free);
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == L'|') {
      list.Remember(std::wstring_view(text).substr(start, i - start));
      start = i + 1;
    }
  }
  Check(list.Entries().size() <= kRecentFolderLimit);
  for (size_t i = 0; i < list.Entries().size(); ++i)
    for (size_t j = i + 1; j < list.Entries().size(); ++j) Check(!EqualsNoCase(list.Entries()[i], list.Entries()[j]));
  return 0;
}
