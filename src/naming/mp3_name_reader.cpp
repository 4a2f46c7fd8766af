// The MP3 naming entry point: the file's tags, put into the user's pattern.
#include <windows.h>

#include "app/message_box.h"
#include "naming/mp3_name.h"
#include "naming/mp3_tag_file.h"
#include "naming/target_readers.h"
#include "settings/settings.h"

namespace pelmora {
namespace {

// The hourglass while the file is read; the normal arrow again on every way out.
class HourglassPointer {
 public:
  HourglassPointer() {
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    if (HWND window = MessageBoxOwner()) UpdateWindow(window);
  }
  ~HourglassPointer() { SetCursor(LoadCursorW(nullptr, IDC_ARROW)); }
  HourglassPointer(const HourglassPointer&) = delete;
  HourglassPointer& operator=(const HourglassPointer&) = delete;
};

}  // namespace

std::wstring ReadMp3Name(const std::wstring& path) {
  HourglassPointer hourglass;
  Mp3Tags tags;
  if (!OpenMp3Tags(path, tags)) return {};
  return FormatMp3Name(CurrentSettings().GetMp3Format, tags.artist, tags.title);
}

}  // namespace pelmora
