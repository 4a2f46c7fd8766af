#include "naming/site_icon_file.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>

#include "naming/icon_image.h"
#include "text/text_rules.h"
#include "win/system.h"
#include "win/whole_file.h"

namespace pelmora {
namespace {

using Microsoft::WRL::ComPtr;

// COM on this thread while it lives, unless the thread has it already.
class ThreadCom {
 public:
  ThreadCom() : result_(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
  ~ThreadCom() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ThreadCom(const ThreadCom&) = delete;
  ThreadCom& operator=(const ThreadCom&) = delete;
  // False only when the thread has no COM at all; one set up otherwise (RPC_E_CHANGED_MODE) will do.
  bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT result_;
};

const GUID& ContainerOf(IconImageKind kind) {
  switch (kind) {
    case IconImageKind::Gif: return GUID_ContainerFormatGif;
    case IconImageKind::Jpeg: return GUID_ContainerFormatJpeg;
    case IconImageKind::Bmp: return GUID_ContainerFormatBmp;
    default: return GUID_ContainerFormatPng;
  }
}

// The first frame of the image as a PNG of at most 256 × 256 (its aspect kept), decoded whole
// first, so that broken image data fails here and not in the shell. Empty on any failure.
std::string ConvertedToPng(std::string_view image, IconImageKind kind) {
  const ThreadCom com;
  if (!com.Usable()) return {};
  ComPtr<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))))
    return {};
  ComPtr<IWICStream> input;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  GUID container{};
  UINT width = 0, height = 0;
  if (FAILED(factory->CreateStream(&input)) ||
      FAILED(input->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(image.data())),
                                         static_cast<DWORD>(image.size()))) ||
      FAILED(factory->CreateDecoderFromStream(input.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
      FAILED(decoder->GetContainerFormat(&container)) || container != ContainerOf(kind) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&width, &height)))
    return {};
  if (width == 0 || height == 0 || width > kLargestConvertedSide || height > kLargestConvertedSide) return {};

  ComPtr<IWICBitmapSource> source = frame;
  if (width > kLargestIconSide || height > kLargestIconSide) {
    const UINT longer = std::max(width, height);
    const UINT w = std::max<UINT>(1, (width * kLargestIconSide + longer / 2) / longer);
    const UINT h = std::max<UINT>(1, (height * kLargestIconSide + longer / 2) / longer);
    ComPtr<IWICBitmapScaler> scaler;
    if (FAILED(factory->CreateBitmapScaler(&scaler)) ||
        FAILED(scaler->Initialize(frame.Get(), w, h, WICBitmapInterpolationModeFant)))
      return {};
    source = scaler;
    width = w;
    height = h;
  }
  ComPtr<IWICFormatConverter> converter;
  ComPtr<IWICBitmap> pixels;
  if (FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(source.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom)) ||
      FAILED(factory->CreateBitmapFromSource(converter.Get(), WICBitmapCacheOnLoad, &pixels)))
    return {};

  ComPtr<IStream> output;
  ComPtr<IWICBitmapEncoder> encoder;
  ComPtr<IWICBitmapFrameEncode> target;
  ComPtr<IPropertyBag2> options;
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &output)) ||
      FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) ||
      FAILED(encoder->Initialize(output.Get(), WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(&target, &options)) || FAILED(target->Initialize(options.Get())) ||
      FAILED(target->SetSize(width, height)) || FAILED(target->SetPixelFormat(&format)) ||
      FAILED(target->WriteSource(pixels.Get(), nullptr)) || FAILED(target->Commit()) || FAILED(encoder->Commit()))
    return {};
  ULARGE_INTEGER end{};
  HGLOBAL memory = nullptr;
  if (FAILED(output->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &end)) ||
      FAILED(GetHGlobalFromStream(output.Get(), &memory)) || end.QuadPart == 0 || end.QuadPart > kMaxSiteIconBytes)
    return {};
  const void* bytes = GlobalLock(memory);
  if (!bytes) return {};
  std::string png(static_cast<const char*>(bytes), static_cast<std::size_t>(end.QuadPart));
  GlobalUnlock(memory);
  return png;
}

// The icon kept in one folder; empty, with no new file left, when the folder takes none.
std::wstring StoreIn(const std::wstring& folder, const std::string& iconFile, const std::wstring& name) {
  if (!EnsureFolderExists(folder)) return {};
  const std::wstring path = WithTrailingBackslash(folder) + name;
  if (ReadWholeFile(path) == iconFile || ReplaceWholeFile(path, iconFile)) return path;
  // Another fetch of the same icon may have just put it there.
  return ReadWholeFile(path) == iconFile ? path : std::wstring();
}

}  // namespace

std::string SiteIconFile(std::string_view image) {
  const IconImageKind kind = SniffIconImage(image);
  if (kind == IconImageKind::None) return {};
  std::string file = IconFileBytes(image);
  if (file.empty()) file = IconFileBytes(ConvertedToPng(image, kind));
  return file;
}

std::vector<std::wstring> SiteIconFolders() {
  std::vector<std::wstring> folders{ProgramFolder() + L"icons"};
  PWSTR local = nullptr;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local)) && local && *local)
    folders.push_back(WithTrailingBackslash(local) + L"Pelmora\\icons");
  CoTaskMemFree(local);
  return folders;
}

std::wstring StoreSiteIcon(std::string_view iconFile, const std::wstring& name,
                           const std::vector<std::wstring>& folders) {
  if (iconFile.empty() || name.empty()) return {};
  const std::string bytes(iconFile);
  for (const std::wstring& folder : folders) {
    std::wstring path = StoreIn(folder, bytes, name);
    if (!path.empty()) return path;
  }
  return {};
}

}  // namespace pelmora
