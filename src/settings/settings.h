// Every persisted option, each field named like its key in the settings file. Switches are
// bools here; the file holds them as 0 and 1.
#pragma once
#include <string>

namespace pelmora {

struct Settings {
  bool WindowPos = false;
  bool CheckLocation = false;
  bool NoMessage = false;
  bool ArrowIcon = false;
  bool ExitAfterCreate = false;
  int Comment = 0;  // 0 none, 1 the target's full path, 2 an executable's description
  bool GetHtmlTitle = true;
  bool GetUrlTitle = false;
  bool GetUrlDlgTitle = false;
  bool GetUrlIcon = true;  // the site's icon becomes the icon of a URL shortcut named after its page
  int HtmlBuffer = 2048;
  int ConnectTimeOut = 5;
  int ReceiveTimeOut = 10;
  bool GetVersion = true;
  bool GetMp3Info = true;
  std::wstring GetMp3Format = L"%A - %T";
  bool ExtCut = true;
};

}  // namespace pelmora
