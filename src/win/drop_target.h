// The main window's drop target: a file list or text dropped anywhere on the window.
#pragma once
#include <ole2.h>
#include <windows.h>

#include <functional>
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

}  // namespace pelmora
