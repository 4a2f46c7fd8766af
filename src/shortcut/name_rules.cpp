#include "shortcut/name_rules.h"

#include <array>

#include "text/code_page.h"
#include "text/text_rules.h"
#include "url/url_syntax.h"

namespace pelmora {
namespace {

struct Replacement {
  wchar_t from;
  const wchar_t* to;  // empty: the character is removed
};

// In the order the replacements are made; no replacement brings back a character of the table,
// so one pass gives the same text as nine.
constexpr std::array<Replacement, 9> kReplacements{{
    {L'\\', L"\uFFE5"},
    {L'/', L"\uFF0F"},
    {L':', L"\uFF1A"},
    {L'*', L"\uFF0A"},
    {L'?', L"\uFF1F"},
    {L'"', L"\u201D"},
    {L'<', L"\uFF1C"},
    {L'>', L"\uFF1E"},
    {L'|', L"\uFF5C"},
}};

// C0 controls (CR, LF and tab among them), DEL and the C1 controls: none belongs in a file name,
// and a title or tag that carries one would make the shortcut fail to be written.
bool IsControlCharacter(wchar_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

bool IsReservedDeviceName(std::wstring_view name) { return DeviceNameLength(name) > 0; }

std::wstring AvoidReservedName(std::wstring_view name) {
  std::wstring out(name);
  if (const std::size_t device = DeviceNameLength(name); device > 0) out.insert(device, 1, L'_');
  return out;
}

std::wstring ProposedFileName(std::wstring_view text) { return AvoidReservedName(SanitizeShortcutName(text)); }

std::wstring SanitizeShortcutName(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (const wchar_t c : text) {
    if (IsControlCharacter(c)) continue;
    const Replacement* hit = nullptr;
    for (const Replacement& r : kReplacements)
      if (r.from == c) hit = &r;
    if (hit)
      out += hit->to;
    else
      out.push_back(c);
  }
  return out;
}

NameFaultAt FindNameFault(std::wstring_view name) {
  constexpr std::wstring_view kForbidden = L"\\/:*?\"<>|";
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (kForbidden.find(name[i]) != std::wstring_view::npos) return {NameFault::ForbiddenCharacter, i};
    if (IsControlCharacter(name[i])) return {NameFault::ControlCharacter, i};
  }
  return {};
}

const wchar_t* NameFaultMessage(NameFault fault) {
  switch (fault) {
    case NameFault::ForbiddenCharacter: return kForbiddenCharacterMessage;
    case NameFault::ControlCharacter: return kControlCharacterMessage;
    case NameFault::None: break;
  }
  return L"";
}

bool IsShortcutPathTooLong(std::wstring_view path) { return AnsiByteCount(path) > kMaxShortcutPathBytes; }

std::wstring PathTooLongText(std::wstring_view path) {
  return std::wstring(kPathTooLongMessage) + L"\r\n\r\n" + std::wstring(path);
}

ShortcutInfoCheck CheckShortcutInfo(std::wstring_view target, std::wstring_view name,
                                    const TargetClassifier& classify) {
  const std::wstring trimmedTarget = TrimSpaces(target);
  const std::wstring trimmedName = TrimSpaces(name);
  ShortcutInfoCheck check;
  if (trimmedTarget.empty() || trimmedName.empty()) {
    check.message = kRequiredFieldsMessage;
    check.focus = ShortcutField::Name;
    return check;
  }
  check.classified = true;
  check.kind = classify ? classify(trimmedTarget) : TargetKind::Invalid;
  if (check.kind == TargetKind::Invalid) {
    check.message = kInvalidTargetMessage;
    check.focus = ShortcutField::Target;
    return check;
  }
  if (const NameFaultAt fault = FindNameFault(trimmedName); fault.fault != NameFault::None) {
    check.message = NameFaultMessage(fault.fault);
    check.focus = ShortcutField::Name;
    return check;
  }
  if (IsReservedDeviceName(trimmedName)) {
    check.message = kReservedNameMessage;
    check.focus = ShortcutField::Name;
    return check;
  }
  check.passed = true;
  return check;
}

}  // namespace pelmora
