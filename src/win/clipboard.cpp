#include "win/clipboard.h"

#include <cstring>

namespace pelmora {
namespace {

// The clipboard while it lives; others can open it again once it goes.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) {
    // Another program may hold it for a moment.
    for (int attempt = 0; attempt < 5 && !open_; ++attempt) {
      open_ = OpenClipboard(owner) != FALSE;
      if (!open_) Sleep(10);
    }
  }
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_ = false;
};

}  // namespace

bool ClipboardHasText() { return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE; }

std::wstring ClipboardText(HWND owner) {
  if (!ClipboardHasText()) return {};
  const OpenedClipboard clipboard(owner);
  if (!clipboard) return {};
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
  if (!text) return {};
  // The block may be larger than its text, or (from a careless program) lack the final NUL.
  const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
  std::wstring result(text, wcsnlen(text, capacity));
  GlobalUnlock(data);
  return result;
}

bool SetClipboardText(HWND owner, const std::wstring& text) {
  const OpenedClipboard clipboard(owner);
  if (!clipboard || !EmptyClipboard()) return false;
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!block) return false;
  void* target = GlobalLock(block);
  if (!target) {
    GlobalFree(block);
    return false;
  }
  std::memcpy(target, text.c_str(), bytes);
  GlobalUnlock(block);
  // The clipboard owns the block once it took it.
  if (!SetClipboardData(CF_UNICODETEXT, block)) {
    GlobalFree(block);
    return false;
  }
  return true;
}

}  // namespace pelmora
