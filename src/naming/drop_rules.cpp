#include "naming/drop_rules.h"

#include "text/text_rules.h"

namespace pelmora {

bool IsInRecycleBin(std::wstring_view path) {
  const std::wstring upper = ToUpper(path);
  // Characters 2 to 12: the part after the drive letter.
  if (upper.size() >= 12) {
    const std::wstring_view afterDrive = std::wstring_view(upper).substr(1, 11);
    if (afterDrive == L":\\RECYCLER\\" || afterDrive == L":\\RECYCLED\\") return true;
  }
  return upper.find(L"\\$RECYCLE.BIN\\") != std::wstring::npos;
}

std::vector<std::wstring> DroppedFileTargets(const std::vector<std::wstring>& files) {
  std::vector<std::wstring> targets;
  for (const std::wstring& file : files)
    if (!IsInRecycleBin(file)) targets.push_back(file);
  return targets;
}

std::optional<std::wstring> DroppedTextTarget(std::wstring_view text,
                                              const std::function<TargetKind(const std::wstring&)>& classify) {
  std::wstring trimmed = TrimAtNul(text);
  if (trimmed.empty() || !classify || classify(trimmed) != TargetKind::Url) return std::nullopt;
  return trimmed;
}

}  // namespace pelmora
