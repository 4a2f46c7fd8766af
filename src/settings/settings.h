// Every persisted option, each field named like its key in the settings file.
#pragma once
#include <string>

namespace pelmora {

struct Settings {
  int WindowPos = 0;
  int CheckLocation = 0;
  int NoMessage = 0;
  int ArrowIcon = 0;
  int ExitAfterCreate = 0;
  int Comment = 0;  // 0 none, 1 the target's full path, 2 an executable's description
  int GetHtmlTitle = 1;
  int GetUrlTitle = 0;
  int GetUrlDlgTitle = 0;
  int GetUrlIcon = 1;  // the site's icon becomes the icon of a URL shortcut named after its page
  int HtmlBuffer = 2048;
  int ConnectTimeOut = 5;
  int ReceiveTimeOut = 10;
  int GetVersion = 1;
  int GetMp3Info = 1;
  std::wstring GetMp3Format = L"%A - %T";
  int ExtCut = 1;
};

}  // namespace pelmora
