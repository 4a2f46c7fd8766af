// The main window's drop target: a file list or text dropped anywhere on the window.
#pragma once
#include <ole2.h>
#include <windows.h>

#include <wrl/client.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pelmora {

struct DroppedData {
  bool hasFiles = false;
  std::vector<std::wstring> files;
  bool hasText = false;
  std::wstring text;
};

// Reads what a data object offers: a file list (CF_HDROP), else text (Unicode when offered,
// else the ANSI text).
DroppedData ReadDroppedData(IDataObject* data);

// An OLE drop target that hands every drop to one routine. While disabled (a modal dialog of
// the program is open) it refuses drops.
class DropTarget final : public IDropTarget {
 public:
  explicit DropTarget(std::function<void(const DroppedData&)> onDrop) : onDrop_(std::move(onDrop)) {}
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

 private:
  DWORD EffectFor(DWORD allowed) const;
  std::function<void(const DroppedData&)> onDrop_;
  LONG references_ = 1;
  bool enabled_ = true;
  bool acceptable_ = false;
};

// A window's drops: a drop only hands its data over and posts `message` to the window, which
// takes the data outside the system's drag loop. Made at load, registered once OLE runs.
class WindowDrops {
 public:
  WindowDrops() = default;
  WindowDrops(const WindowDrops&) = delete;
  WindowDrops& operator=(const WindowDrops&) = delete;
  ~WindowDrops() { Revoke(); }

  void Create(HWND window, UINT message);
  // Registers the window as a drop target (OLE must be running); false when that fails.
  bool Register();
  // Before the window goes: no more drops.
  void Revoke();
  // While a command runs, drops are refused.
  void SetEnabled(bool enabled);
  // The latest drop since the last call, if any (earlier ones are dropped with it).
  std::optional<DroppedData> TakeLatest();

 private:
  HWND hwnd_ = nullptr;
  Microsoft::WRL::ComPtr<DropTarget> target_;
  bool registered_ = false;
  std::vector<DroppedData> pending_;
};

}  // namespace pelmora
