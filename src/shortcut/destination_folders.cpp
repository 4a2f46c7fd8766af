#include "shortcut/destination_folders.h"

#include <shlobj.h>

#include "win/shell_folders.h"
#include "win/system.h"

namespace pelmora {

SpecialFolders PrepareSpecialFolders(HWND owner) {
  SpecialFolders f;
  if (GetSystemFolderPath(owner, CSIDL_COMMON_STARTMENU, f.commonStartMenu) &&
      GetPathKind(f.commonStartMenu) == PathKind::Folder) {
    f.allUsersAvailable = true;
    GetSystemFolderPath(owner, CSIDL_COMMON_DESKTOPDIRECTORY, f.commonDesktop);
    GetSystemFolderPath(owner, CSIDL_COMMON_PROGRAMS, f.commonPrograms);
    GetSystemFolderPath(owner, CSIDL_COMMON_STARTUP, f.commonStartup);
  } else {
    f.commonStartMenu.clear();
  }
  GetSystemFolderPath(owner, CSIDL_PROGRAMS, f.programs);
  GetSystemFolderPath(owner, CSIDL_STARTMENU, f.startMenu);
  GetSystemFolderPath(owner, CSIDL_FAVORITES, f.favorites);
  std::wstring appData;
  if (GetSystemFolderPath(owner, CSIDL_APPDATA, appData)) {
    const std::wstring quickLaunch = appData + L"\\Microsoft\\Internet Explorer\\Quick Launch";
    if (GetPathKind(quickLaunch) == PathKind::Folder) {
      f.quickLaunch = quickLaunch;
      f.quickLaunchAvailable = true;
    }
  }
  GetSystemFolderPath(owner, CSIDL_STARTUP, f.startup);
  GetSystemFolderPath(owner, CSIDL_SENDTO, f.sendTo);
  GetSystemFolderPath(owner, CSIDL_DESKTOP, f.desktop);
  return f;
}

}  // namespace pelmora
