#include "shell/menu_layout.h"

#include "text/text_rules.h"

namespace pelmora {

namespace {

constexpr wchar_t kMenuKeyName[] = L"Pelmora";
constexpr wchar_t kLinkTypeMenuKeyName[] = L"Pelmora2";
constexpr wchar_t kIeMenuExtKey[] = L"Software\\Microsoft\\Internet Explorer\\MenuExt\\";

std::wstring Quoted(std::wstring_view text) { return L"\"" + std::wstring(text) + L"\""; }

MenuRegistration ShellEntry(std::wstring menuKey, std::wstring_view caption, std::wstring command) {
  std::wstring commandKey = CommandKeyOf(menuKey);
  MenuRegistration r;
  r.area = RegArea::UserClasses;
  r.writes = {{menuKey, L"", std::wstring(caption)}, {commandKey, L"", std::move(command)}};
  r.keys = {std::move(commandKey), std::move(menuKey)};
  return r;
}

}  // namespace

std::wstring MenuNameInMessages(std::wstring_view caption) {
  // Every caption ends in a four-character accelerator such as "(&S)".
  return std::wstring(caption.substr(0, caption.size() >= 4 ? caption.size() - 4 : 0));
}

std::wstring ShellMenuKey(std::wstring_view type) {
  return std::wstring(type) + L"\\shell\\" + (EqualsNoCase(type, kLinkFileType) ? kLinkTypeMenuKeyName : kMenuKeyName);
}

std::wstring OpenTargetMenuKey() { return std::wstring(kLinkFileType) + L"\\shell\\" + kMenuKeyName; }

std::wstring CommandKeyOf(std::wstring_view menuKey) { return std::wstring(menuKey) + L"\\command"; }

std::wstring IeMenuKey() { return std::wstring(kIeMenuExtKey) + kMenuCaption; }

std::wstring OpenCommand(std::wstring_view programPath) { return Quoted(programPath) + L" " + Quoted(L"%1"); }

std::wstring LinkCommand(std::wstring_view programPath) { return Quoted(programPath) + L" /LNK " + Quoted(L"%1"); }

std::wstring ExtensionKey(std::wstring_view extension) { return L"." + ToLowerAscii(extension); }

std::wstring FileTypeForExtension(std::wstring_view extension) {
  if (extension.empty()) return L"File";
  return ToUpper(extension.substr(0, 1)) + ToLowerAscii(extension.substr(1)) + L"File";
}

MenuRegistration ShellMenuRegistration(std::wstring_view type, std::wstring_view programPath) {
  return ShellEntry(ShellMenuKey(type), kMenuCaption, OpenCommand(programPath));
}

MenuRegistration OpenTargetRegistration(std::wstring_view programPath) {
  return ShellEntry(OpenTargetMenuKey(), kLinkMenuCaption, LinkCommand(programPath));
}

MenuRegistration IeMenuRegistration(std::wstring_view ieScriptPath, std::wstring_view programPath) {
  const std::wstring key = IeMenuKey();
  MenuRegistration r;
  r.area = RegArea::CurrentUser;
  r.writes = {{key, L"", std::wstring(ieScriptPath)},
              {key, L"Contexts", std::uint32_t{1}},
              {key, L"Flags", std::uint32_t{0}},
              {key, L"ExePath", std::wstring(programPath)}};
  r.keys = {key};
  return r;
}

}  // namespace pelmora
