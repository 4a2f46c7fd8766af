// An executable's version resource, read once: its fixed version numbers and the strings of its
// first translation.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace pelmora {

class VersionResource {
 public:
  // Empty (Present() false) when the file has none or cannot be read.
  explicit VersionResource(const std::wstring& path);

  bool Present() const { return !block_.empty(); }

  struct Numbers {
    unsigned major = 0, minor = 0, patch = 0, build = 0;
  };
  // The file version; nullopt without a fixed part.
  std::optional<Numbers> FileVersion() const;

  // The string value `name` (ProductName, FileDescription...) under the first entry of the
  // translation table, up to its first NUL; empty when absent.
  std::wstring String(const wchar_t* name) const;

 private:
  std::vector<unsigned char> block_;
  std::wstring translation_;  // "\StringFileInfo\<language><code page>\"
};

}  // namespace pelmora
