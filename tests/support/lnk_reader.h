// An independent reader of .lnk files, written from the published Shell Link binary format, so
// that tests can see what a written shortcut really holds. Takes any bytes without reading out
// of bounds.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pelmora::test {

// LinkFlags bits.
inline constexpr std::uint32_t kHasLinkTargetIdList = 0x0001;
inline constexpr std::uint32_t kHasLinkInfo = 0x0002;
inline constexpr std::uint32_t kHasName = 0x0004;
inline constexpr std::uint32_t kHasRelativePath = 0x0008;
inline constexpr std::uint32_t kHasWorkingDir = 0x0010;
inline constexpr std::uint32_t kHasArguments = 0x0020;
inline constexpr std::uint32_t kHasIconLocation = 0x0040;
inline constexpr std::uint32_t kIsUnicode = 0x0080;
inline constexpr std::uint32_t kHasExpString = 0x0200;

// ExtraData block signatures worth naming.
inline constexpr std::uint32_t kEnvironmentVariableBlock = 0xA0000001;
inline constexpr std::uint32_t kIconEnvironmentBlock = 0xA0000007;

struct LnkFile {
  // Header (0x4C bytes).
  std::uint32_t linkFlags = 0;
  std::uint32_t fileAttributes = 0;
  std::uint32_t fileSize = 0;
  std::int32_t iconIndex = 0;
  std::uint32_t showCommand = 0;  // the bytes at offset 0x3C
  std::uint16_t hotKey = 0;
  bool isUnicode = false;

  // LinkTargetIDList: each item's bytes (without its size field), and the path its file-system
  // items spell out (drive, then each entry's long name), empty unless it starts from a drive.
  std::vector<std::string> idListItems;
  std::wstring idListPath;

  // LinkInfo: the local base path (from its Unicode form when present, else decoded from the
  // ANSI bytes), the raw ANSI bytes, and the common path suffix.
  std::optional<std::wstring> localBasePath;
  std::optional<std::string> localBasePathAnsi;
  std::optional<std::wstring> localBasePathUnicode;
  std::optional<std::wstring> commonPathSuffix;

  // StringData, present only when its flag is set.
  std::optional<std::wstring> name;  // the comment (description)
  std::optional<std::wstring> relativePath;
  std::optional<std::wstring> workingDir;
  std::optional<std::wstring> arguments;
  std::optional<std::wstring> iconLocation;

  // ExtraData: signatures of the blocks in file order; the target of an environment-variable
  // block (Unicode form when filled, else the ANSI form).
  std::vector<std::uint32_t> extraBlocks;
  std::optional<std::wstring> environmentTarget;

  // The target as the file spells it: LinkInfo's Unicode local path, else the item list's path
  // (its names are Unicode), else LinkInfo's ANSI local path, else the environment block's.
  std::wstring TargetPath() const;
};

// Empty when the bytes are not a shell link (wrong header) or a part is cut short.
std::optional<LnkFile> ReadLnkFile(const std::string& bytes);

}  // namespace pelmora::test
