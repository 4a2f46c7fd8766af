// Any page head and any downloaded image: the icon-link finder and the image checks take every
// input, an address they give is one the fetch may ask for, and an icon file they give is sound.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "naming/icon_image.h"
#include "naming/icon_link.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// http or https, then nothing but printable ASCII.
void CheckAskable(const std::wstring& url) {
  if (url.empty()) return;
  Check(url.starts_with(L"http://") || url.starts_with(L"https://"));
  for (const wchar_t c : url) Check(c > 0x20 && c < 0x7F);
  Check(url.find(L'#') == std::wstring::npos);
  Check(!pelmora::UrlHost(url).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pelmora;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  CheckAskable(IconLinkUrl(bytes, L"https://www.example.com/dir/page.html?q=1"));

  // The first line as the page's own address, the rest as a reference in it.
  const std::size_t newline = bytes.find('\n');
  std::wstring base, reference;
  for (std::size_t i = 0; i < size; ++i) (i < newline ? base : reference).push_back(static_cast<wchar_t>(data[i]));
  if (newline != std::string_view::npos) reference.erase(0, 1);
  const std::wstring resolved = ResolveHttpUrl(base, reference);
  CheckAskable(resolved);
  if (!resolved.empty()) Check(ResolveHttpUrl(resolved, L"") == L"" && ResolveHttpUrl(resolved, resolved) == resolved);

  const IconImageKind kind = SniffIconImage(bytes);
  const std::string file = IconFileBytes(bytes);
  Check(file.empty() || ((kind == IconImageKind::Ico || kind == IconImageKind::Png) &&
                         SniffIconImage(file) == IconImageKind::Ico));
  Check(kind != IconImageKind::Ico || file == bytes);

  const std::wstring name = StoredIconName(base, file);
  Check(name.size() <= 1 + 64 + 1 + 16 + 4 && name.ends_with(L".ico"));
  for (const wchar_t c : name)
    Check((c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') || c == L'.' || c == L'-' || c == L'_');
  return 0;
}
