#include "shortcut/shell_link.h"

#include <shlobj.h>
#include <wrl/client.h>

#include <vector>

#include "win/handles.h"
#include "win/ole.h"

#include "text/code_page.h"
#include "text/text_rules.h"
#include "win/shell_folders.h"

namespace pelmora {
namespace {

using Microsoft::WRL::ComPtr;

// A link may hold text fields far longer than MAX_PATH (arguments, a comment, a long target);
// reading them into short buffers would cut them and a re-save would keep the cut value.
constexpr int kTextBufferLength = 32768;

struct LinkObject {
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
};

bool MakeLinkObject(LinkObject& object) {
  if (!EnsureOle()) return false;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&object.link))))
    return false;
  return SUCCEEDED(object.link.As(&object.file));
}

// Calls one of the link's text getters into a roomy buffer and returns the text up to its NUL.
template <typename Getter>
bool ReadText(Getter get, std::wstring& out) {
  std::vector<wchar_t> buffer(kTextBufferLength, L'\0');
  if (FAILED(get(buffer.data(), kTextBufferLength))) return false;
  buffer.back() = L'\0';
  out.assign(buffer.data());
  return true;
}

// The file-system path of the link's item list; empty when it has none (a link to a virtual item).
std::wstring ItemListPath(IShellLinkW& shellLink) {
  PIDLIST_ABSOLUTE list = nullptr;
  if (FAILED(shellLink.GetIDList(&list)) || !list) return {};
  const win::ItemList items(list);
  std::vector<wchar_t> buffer(kTextBufferLength, L'\0');
  if (!SHGetPathFromIDListEx(items.get(), buffer.data(), kTextBufferLength, GPFIDL_DEFAULT)) return {};
  buffer.back() = L'\0';
  return buffer.data();
}

}  // namespace

bool ShellLink::CreateShellLink(const std::wstring& link, const std::wstring& target,
                                const std::wstring& workingFolder, const std::wstring& arguments,
                                const std::wstring& iconFile, int iconIndex, int showCmd,
                                const std::wstring& comment) const {
  if (target.empty() || link.empty()) return false;
  LinkObject object;
  if (!MakeLinkObject(object)) return false;
  IShellLinkW& shellLink = *object.link.Get();
  if (FAILED(shellLink.SetPath(target.c_str()))) return false;
  if (!workingFolder.empty() && FAILED(shellLink.SetWorkingDirectory(workingFolder.c_str()))) return false;
  if (!arguments.empty() && FAILED(shellLink.SetArguments(arguments.c_str()))) return false;
  if (!iconFile.empty() && FAILED(shellLink.SetIconLocation(iconFile.c_str(), iconIndex))) return false;
  if (FAILED(shellLink.SetDescription(comment.c_str()))) return false;
  if (FAILED(shellLink.SetShowCmd(showCmd))) return false;
  if (FAILED(shellLink.Resolve(nullptr, SLR_UPDATE))) return false;
  return SUCCEEDED(object.file->Save(link.c_str(), FALSE));
}

bool ShellLink::GetShellLinkInfo(const std::wstring& link, ShellLinkInfo& out) const {
  if (link.empty()) return false;
  LinkObject object;
  if (!MakeLinkObject(object)) return false;
  if (FAILED(object.file->Load(link.c_str(), STGM_READ))) return false;
  IShellLinkW& shellLink = *object.link.Get();
  const bool texts =
      ReadText([&](wchar_t* b, int n) { return shellLink.GetPath(b, n, nullptr, SLGP_UNCPRIORITY); }, out.target) &&
      ReadText([&](wchar_t* b, int n) { return shellLink.GetWorkingDirectory(b, n); }, out.workingFolder) &&
      ReadText([&](wchar_t* b, int n) { return shellLink.GetArguments(b, n); }, out.arguments) &&
      ReadText([&](wchar_t* b, int n) { return shellLink.GetDescription(b, n); }, out.comment) &&
      ReadText([&](wchar_t* b, int n) { return shellLink.GetIconLocation(b, n, &out.iconIndex); }, out.iconFile);
  if (!texts) return false;
  // Some shell-link implementations give the target back through the ANSI code page, with "?" or
  // a look-alike ("e" for "é") for what it lacks; the item list still names the file whole.
  if (const std::wstring itemPath = ItemListPath(shellLink);
      !itemPath.empty() && itemPath != out.target && EqualsNoCase(FromAnsiBytes(ToAnsiBytes(itemPath)), out.target))
    out.target = itemPath;
  int showCommand = SW_SHOWNORMAL;
  if (FAILED(shellLink.GetShowCmd(&showCommand))) return false;
  out.showCommand = showCommand;
  return true;
}

bool ShellLink::GetSystemFolderPath(HWND owner, int csidl, std::wstring& path) const {
  return pelmora::GetSystemFolderPath(owner, csidl, path);
}

bool ShellLink::CreateShellLink(const std::wstring& link, const ShellLinkInfo& values) const {
  return CreateShellLink(link, values.target, values.workingFolder, values.arguments, values.iconFile,
                         values.iconIndex, values.showCommand, values.comment);
}

}  // namespace pelmora
