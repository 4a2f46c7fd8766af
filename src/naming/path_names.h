// Small path operations behind the proposed names and working folders.
#pragma once
#include <string>
#include <string_view>

#include "url/target_kind.h"

namespace pelmora {

// The characters after the last "\"; empty when the path is empty, ends with "\" or holds
// no "\" at all.
std::wstring FileNameOf(std::wstring_view path);

// The characters after the last "."; empty when there is no dot.
std::wstring ExtensionOf(std::wstring_view text);

// The file name without its extension and the dot before it ("b.tar.gz" gives "b.tar", "b."
// gives "b"); a name without a dot stays as it is.
std::wstring WithoutExtension(std::wstring_view fileName);

// True for a drive root such as "C:\" (three characters ending in ":\").
bool IsDriveRoot(std::wstring_view path);

// What a chosen or dropped file is to the main window, by its last four characters in any
// letter case: a shell link and an internet shortcut are read back, a bitmap shows its type's
// icon, anything else is an ordinary target.
enum class ChosenFileType { Link, InternetShortcut, Bitmap, Other };
ChosenFileType ChosenFileTypeOf(std::wstring_view path);

// The name a file target gets from its file name when nothing inside it gave one: without the
// extension when `extCut` is 1, and always for a shortcut (.lnk, .url) file.
std::wstring NameFromFileName(std::wstring_view target, bool extCut);

// The folder of a File target: the path without its file name and the "\" before it, with
// the "\" kept for a drive root (C:\a.txt gives C:\, C:\dir\a.txt gives C:\dir). Empty for a
// file path without "\" and for every other kind.
std::wstring DeriveWorkingFolder(std::wstring_view target, TargetKind kind);

}  // namespace pelmora
