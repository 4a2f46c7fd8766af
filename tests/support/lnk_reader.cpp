// Included by its own folder's name so that the fuzz build can compile this file too.
#include "support/lnk_reader.h"

#include <string_view>

#include "text/code_page.h"
#include "text/utf16.h"

namespace pelmora::test {
namespace {

constexpr std::size_t kHeaderSize = 0x4C;
constexpr unsigned char kLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                          0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr std::uint32_t kFileEntryExtensionSignature = 0xBEEF0004;

// Little-endian reads that refuse to pass the end of their bytes.
class Bytes {
 public:
  explicit Bytes(std::string_view data) : data_(data) {}
  std::size_t Size() const { return data_.size(); }
  bool Has(std::size_t offset, std::size_t count) const {
    return offset <= data_.size() && count <= data_.size() - offset;
  }
  std::optional<std::uint32_t> U16(std::size_t offset) const {
    if (!Has(offset, 2)) return std::nullopt;
    return Byte(offset) | Byte(offset + 1) << 8;
  }
  std::optional<std::uint32_t> U32(std::size_t offset) const {
    if (!Has(offset, 4)) return std::nullopt;
    return Byte(offset) | Byte(offset + 1) << 8 | Byte(offset + 2) << 16 | static_cast<std::uint32_t>(Byte(offset + 3)) << 24;
  }
  std::string_view Slice(std::size_t offset, std::size_t count) const {
    if (!Has(offset, count)) return {};
    return data_.substr(offset, count);
  }
  // A NUL-terminated byte string starting at `offset`; empty optional without a NUL.
  std::optional<std::string> AnsiZ(std::size_t offset) const {
    if (offset > data_.size()) return std::nullopt;
    const std::size_t end = data_.find('\0', offset);
    if (end == std::string_view::npos) return std::nullopt;
    return std::string(data_.substr(offset, end - offset));
  }
  // A NUL-terminated UTF-16LE string starting at `offset`.
  std::optional<std::wstring> UnicodeZ(std::size_t offset) const {
    for (std::size_t at = offset; Has(at, 2); at += 2)
      if (Byte(at) == 0 && Byte(at + 1) == 0) return DecodeUtf16Bytes(data_.substr(offset, at - offset), false);
    return std::nullopt;
  }

 private:
  std::uint32_t Byte(std::size_t offset) const { return static_cast<unsigned char>(data_[offset]); }
  std::string_view data_;
};

// The long name of a file-system entry item, from the extension block whose offset the item's
// last two bytes give (counted from the item's size field). Where the name starts depends on the
// block's version: fixed fields grew with each Windows release. Some writers leave version and
// signature zero; their name sits where version 3 has it.
std::optional<std::wstring> ExtensionLongName(std::string_view item) {
  const Bytes bytes(item);
  if (item.size() < 2) return std::nullopt;
  const auto blockOffset = bytes.U16(item.size() - 2);
  if (!blockOffset || *blockOffset < 2) return std::nullopt;
  const std::size_t start = *blockOffset - 2;  // `item` starts after the size field
  const auto blockSize = bytes.U16(start);
  const auto version = bytes.U16(start + 2);
  const auto signature = bytes.U32(start + 4);
  if (!blockSize || !version || !signature || !bytes.Has(start, *blockSize)) return std::nullopt;
  const bool tagged = *signature == kFileEntryExtensionSignature && *version >= 3;
  const bool untagged = *signature == 0 && *version == 0;
  if (!tagged && !untagged) return std::nullopt;
  std::size_t nameOffset = *version >= 7 ? 38 : 20;
  if (*version >= 8) nameOffset += 4;
  if (*version >= 9) nameOffset += 4;
  return Bytes(item.substr(start, *blockSize)).UnicodeZ(nameOffset);
}

// The path spelled by the file-system items of an item list: the volume item's drive, then each
// file entry's long name (its primary name when it has no extension block). Empty when the list
// does not start from a drive.
std::wstring IdListPath(const std::vector<std::string>& items) {
  std::wstring path;
  bool drive = false;
  for (const std::string& item : items) {
    if (item.empty()) continue;
    const unsigned type = static_cast<unsigned char>(item[0]);
    const Bytes bytes(item);
    if ((type & 0x70) == 0x20) {
      const auto name = bytes.AnsiZ(1);
      if (!name) return {};
      path = FromAnsiBytes(*name);
      drive = true;
    } else if ((type & 0x70) == 0x30) {
      std::optional<std::wstring> name = ExtensionLongName(item);
      if (!name) {
        if (type & 0x04) {
          name = bytes.UnicodeZ(12);
        } else if (auto ansi = bytes.AnsiZ(12)) {
          name = FromAnsiBytes(*ansi);
        }
      }
      if (!name) return {};
      if (!path.empty() && path.back() != L'\\') path.push_back(L'\\');
      path += *name;
    }
  }
  return drive ? path : std::wstring();
}

bool ReadIdList(const Bytes& file, std::size_t& at, LnkFile& lnk) {
  const auto listSize = file.U16(at);
  if (!listSize || !file.Has(at + 2, *listSize)) return false;
  const Bytes list(file.Slice(at + 2, *listSize));
  std::size_t offset = 0;
  for (;;) {
    const auto itemSize = list.U16(offset);
    if (!itemSize) return false;  // no terminal item
    if (*itemSize == 0) break;
    if (*itemSize < 2 || !list.Has(offset, *itemSize)) return false;
    lnk.idListItems.emplace_back(list.Slice(offset + 2, *itemSize - 2));
    offset += *itemSize;
  }
  lnk.idListPath = IdListPath(lnk.idListItems);
  at += 2 + *listSize;
  return true;
}

bool ReadLinkInfo(const Bytes& file, std::size_t& at, LnkFile& lnk) {
  const auto infoSize = file.U32(at);
  if (!infoSize || *infoSize < 0x1C || !file.Has(at, *infoSize)) return false;
  const Bytes info(file.Slice(at, *infoSize));
  const std::uint32_t headerSize = *info.U32(4);
  const std::uint32_t flags = *info.U32(8);
  if (flags & 1) {
    const auto ansi = info.AnsiZ(*info.U32(16));
    if (!ansi) return false;
    lnk.localBasePathAnsi = *ansi;
    lnk.localBasePath = FromAnsiBytes(*ansi);
    if (headerSize >= 0x24) {
      const auto unicodeOffset = info.U32(0x1C);
      if (!unicodeOffset) return false;
      if (*unicodeOffset != 0) {
        lnk.localBasePathUnicode = info.UnicodeZ(*unicodeOffset);
        if (!lnk.localBasePathUnicode) return false;
        lnk.localBasePath = lnk.localBasePathUnicode;
      }
    }
  }
  if (const std::uint32_t suffixOffset = *info.U32(24); suffixOffset != 0) {
    std::optional<std::wstring> suffix;
    if (headerSize >= 0x24 && info.U32(0x20).value_or(0) != 0) {
      suffix = info.UnicodeZ(*info.U32(0x20));
    } else if (auto ansi = info.AnsiZ(suffixOffset)) {
      suffix = FromAnsiBytes(*ansi);
    }
    if (!suffix) return false;
    lnk.commonPathSuffix = suffix;
  }
  at += *infoSize;
  return true;
}

bool ReadString(const Bytes& file, std::size_t& at, bool unicode, std::optional<std::wstring>& out) {
  const auto count = file.U16(at);
  if (!count) return false;
  const std::size_t bytes = unicode ? *count * 2u : *count;
  if (!file.Has(at + 2, bytes)) return false;
  const std::string_view raw = file.Slice(at + 2, bytes);
  std::wstring text = unicode ? DecodeUtf16Bytes(raw, false) : FromAnsiBytes(raw);
  // The count should not include a terminating NUL, but some writers count one.
  out = text.substr(0, text.find(L'\0'));
  at += 2 + bytes;
  return true;
}

bool ReadExtraData(const Bytes& file, std::size_t at, LnkFile& lnk) {
  for (;;) {
    const auto blockSize = file.U32(at);
    if (!blockSize) return true;  // the terminal block may be missing at the very end
    if (*blockSize < 4) return true;
    if (*blockSize < 8 || !file.Has(at, *blockSize)) return false;
    const std::uint32_t signature = *file.U32(at + 4);
    lnk.extraBlocks.push_back(signature);
    if (signature == kEnvironmentVariableBlock && *blockSize >= 0x314) {
      const Bytes block(file.Slice(at, *blockSize));
      std::wstring unicode = DecodeUtf16Bytes(block.Slice(0x10C, 520), false);
      unicode = unicode.substr(0, unicode.find(L'\0'));
      if (!unicode.empty()) {
        lnk.environmentTarget = unicode;
      } else if (auto ansi = Bytes(block.Slice(8, 260)).AnsiZ(0)) {
        lnk.environmentTarget = FromAnsiBytes(*ansi);
      }
    }
    at += *blockSize;
  }
}

}  // namespace

std::wstring LnkFile::TargetPath() const {
  const std::wstring suffix = commonPathSuffix.value_or(L"");
  if (localBasePathUnicode) return *localBasePathUnicode + suffix;
  // The ANSI local path loses what the code page cannot hold; the item list's names do not.
  if (!idListPath.empty()) return idListPath;
  if (localBasePath) return *localBasePath + suffix;
  return environmentTarget.value_or(L"");
}

std::optional<LnkFile> ReadLnkFile(const std::string& data) {
  const Bytes file(data);
  if (file.U32(0) != kHeaderSize || !file.Has(0, kHeaderSize) ||
      file.Slice(4, 16) != std::string_view(reinterpret_cast<const char*>(kLinkClsid), 16))
    return std::nullopt;
  LnkFile lnk;
  lnk.linkFlags = *file.U32(0x14);
  lnk.fileAttributes = *file.U32(0x18);
  lnk.fileSize = *file.U32(0x34);
  lnk.iconIndex = static_cast<std::int32_t>(*file.U32(0x38));
  lnk.showCommand = *file.U32(0x3C);
  lnk.hotKey = static_cast<std::uint16_t>(*file.U16(0x40));
  lnk.isUnicode = (lnk.linkFlags & kIsUnicode) != 0;

  std::size_t at = kHeaderSize;
  if ((lnk.linkFlags & kHasLinkTargetIdList) && !ReadIdList(file, at, lnk)) return std::nullopt;
  if ((lnk.linkFlags & kHasLinkInfo) && !ReadLinkInfo(file, at, lnk)) return std::nullopt;
  const std::pair<std::uint32_t, std::optional<std::wstring>*> strings[] = {
      {kHasName, &lnk.name},
      {kHasRelativePath, &lnk.relativePath},
      {kHasWorkingDir, &lnk.workingDir},
      {kHasArguments, &lnk.arguments},
      {kHasIconLocation, &lnk.iconLocation},
  };
  for (const auto& [flag, field] : strings)
    if ((lnk.linkFlags & flag) && !ReadString(file, at, lnk.isUnicode, *field)) return std::nullopt;
  if (!ReadExtraData(file, at, lnk)) return std::nullopt;
  return lnk;
}

}  // namespace pelmora::test
