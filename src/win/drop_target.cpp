#include "win/drop_target.h"

#include <shellapi.h>

#include "text/code_page.h"

namespace pelmora {
namespace {

bool Offers(IDataObject* data, CLIPFORMAT format) {
  FORMATETC f{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  return data && data->QueryGetData(&f) == S_OK;
}

// Reads a global-memory format; the medium is released here.
template <typename Use>
bool WithGlobal(IDataObject* data, CLIPFORMAT format, Use use) {
  FORMATETC f{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium{};
  if (!data || FAILED(data->GetData(&f, &medium))) return false;
  bool ok = false;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
    const SIZE_T size = GlobalSize(medium.hGlobal);
    if (const void* p = GlobalLock(medium.hGlobal)) {
      ok = use(p, size);
      GlobalUnlock(medium.hGlobal);
    }
  }
  ReleaseStgMedium(&medium);
  return ok;
}

}  // namespace

DroppedData ReadDroppedData(IDataObject* data) {
  DroppedData dropped;
  FORMATETC hdrop{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium{};
  if (data && SUCCEEDED(data->GetData(&hdrop, &medium))) {
    dropped.hasFiles = true;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
      auto drop = static_cast<HDROP>(medium.hGlobal);
      const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
      for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
        dropped.files.push_back(path);
      }
    }
    ReleaseStgMedium(&medium);
    return dropped;
  }
  dropped.hasText = WithGlobal(data, CF_UNICODETEXT, [&](const void* p, SIZE_T size) {
    const auto* text = static_cast<const wchar_t*>(p);
    dropped.text.assign(text, wcsnlen(text, size / sizeof(wchar_t)));
    return true;
  });
  if (!dropped.hasText) {
    dropped.hasText = WithGlobal(data, CF_TEXT, [&](const void* p, SIZE_T size) {
      const auto* text = static_cast<const char*>(p);
      dropped.text = FromAnsiBytes(std::string_view(text, strnlen(text, size)));
      return true;
    });
  }
  return dropped;
}

HRESULT DropTarget::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDropTarget) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG DropTarget::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG DropTarget::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

DWORD DropTarget::EffectFor(DWORD allowed) const {
  if (!enabled_ || !acceptable_) return DROPEFFECT_NONE;
  if (allowed & DROPEFFECT_LINK) return DROPEFFECT_LINK;
  if (allowed & DROPEFFECT_COPY) return DROPEFFECT_COPY;
  return DROPEFFECT_NONE;
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  acceptable_ = Offers(data, CF_HDROP) || Offers(data, CF_UNICODETEXT) || Offers(data, CF_TEXT);
  if (effect) *effect = EffectFor(*effect);
  return S_OK;
}

HRESULT DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
  if (effect) *effect = EffectFor(*effect);
  return S_OK;
}

HRESULT DropTarget::DragLeave() {
  acceptable_ = false;
  return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  const DWORD result = effect ? EffectFor(*effect) : DROPEFFECT_NONE;
  if (effect) *effect = result;
  acceptable_ = false;
  if (!enabled_) return S_OK;
  try {
    onDrop_(ReadDroppedData(data));
  } catch (...) {
    // A drop never unwinds into the system's drag loop.
  }
  return S_OK;
}

void WindowDrops::Create(HWND window, UINT message) {
  hwnd_ = window;
  target_.Attach(new DropTarget([this, message](const DroppedData& data) {
    pending_.push_back(data);
    PostMessageW(hwnd_, message, 0, 0);
  }));
}

bool WindowDrops::Register() {
  if (!target_ || registered_) return registered_;
  registered_ = SUCCEEDED(RegisterDragDrop(hwnd_, target_.Get()));
  return registered_;
}

void WindowDrops::Revoke() {
  if (registered_) RevokeDragDrop(hwnd_);
  registered_ = false;
  target_.Reset();
}

void WindowDrops::SetEnabled(bool enabled) {
  if (target_) target_->SetEnabled(enabled);
}

std::optional<DroppedData> WindowDrops::TakeLatest() {
  std::vector<DroppedData> drops;
  drops.swap(pending_);
  if (drops.empty()) return std::nullopt;
  return std::move(drops.back());
}

}  // namespace pelmora
