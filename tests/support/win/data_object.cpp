#include "support/win/data_object.h"

#include <shlobj.h>

#include <cstring>

#include "text/code_page.h"

namespace pelmora::test {
namespace {

class SimpleDataObject final : public IDataObject {
 public:
  SimpleDataObject(CLIPFORMAT format, std::string bytes) : format_(format), bytes_(std::move(bytes)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (riid == IID_IUnknown || riid == IID_IDataObject) {
      *object = static_cast<IDataObject*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* f, STGMEDIUM* medium) override {
    if (QueryGetData(f) != S_OK) return DV_E_FORMATETC;
    HGLOBAL global = GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
    if (!global) return E_OUTOFMEMORY;
    std::memcpy(GlobalLock(global), bytes_.data(), bytes_.size());
    GlobalUnlock(global);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = global;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* f) override {
    return f && f->cfFormat == format_ && (f->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  ULONG refs_ = 1;
  CLIPFORMAT format_;
  std::string bytes_;
};

}  // namespace

IDataObject* MakeFileDrop(const std::vector<std::wstring>& files) {
  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  header.fWide = TRUE;
  std::string bytes(reinterpret_cast<const char*>(&header), sizeof(header));
  std::wstring list;
  for (const auto& f : files) list += f + L'\0';
  list += L'\0';
  bytes.append(reinterpret_cast<const char*>(list.data()), list.size() * sizeof(wchar_t));
  return new SimpleDataObject(CF_HDROP, bytes);
}

IDataObject* MakeTextDrop(const std::wstring& text, bool ansiOnly) {
  if (ansiOnly) return new SimpleDataObject(CF_TEXT, ToAnsiBytes(text) + '\0');
  std::wstring withNul = text + L'\0';
  return new SimpleDataObject(CF_UNICODETEXT,
                              std::string(reinterpret_cast<const char*>(withNul.data()), withNul.size() * 2));
}

DWORD DropOn(IDropTarget* target, IDataObject* data) {
  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
  POINTL point{10, 10};
  target->DragEnter(data, MK_LBUTTON, point, &effect);
  effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
  target->DragOver(MK_LBUTTON, point, &effect);
  effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
  target->Drop(data, 0, point, &effect);
  return effect;
}

}  // namespace pelmora::test
