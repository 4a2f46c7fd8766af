#include "naming/path_names.h"

#include "text/text_rules.h"

namespace pelmora {

std::wstring FileNameOf(std::wstring_view path) {
  const auto slash = path.rfind(L'\\');
  if (slash == std::wstring_view::npos) return {};
  return std::wstring(path.substr(slash + 1));
}

std::wstring ExtensionOf(std::wstring_view text) {
  const auto dot = text.rfind(L'.');
  if (dot == std::wstring_view::npos) return {};
  return std::wstring(text.substr(dot + 1));
}

std::wstring WithoutExtension(std::wstring_view fileName) {
  const auto dot = fileName.rfind(L'.');
  if (dot == std::wstring_view::npos) return std::wstring(fileName);
  return std::wstring(fileName.substr(0, dot));
}

bool IsDriveRoot(std::wstring_view path) { return path.size() == 3 && EndsWith(path, L":\\"); }

std::wstring NameFromFileName(std::wstring_view target, bool extCut) {
  const std::wstring fileName = FileNameOf(target);
  const std::wstring upper = ToUpper(target);
  if (extCut || EndsWith(upper, L".URL") || EndsWith(upper, L".LNK")) return WithoutExtension(fileName);
  return fileName;
}

ChosenFileType ChosenFileTypeOf(std::wstring_view path) {
  const std::wstring tail = ToUpper(path.substr(path.size() >= 4 ? path.size() - 4 : 0));
  if (tail == L".LNK") return ChosenFileType::Link;
  if (tail == L".URL") return ChosenFileType::InternetShortcut;
  if (tail == L".BMP") return ChosenFileType::Bitmap;
  return ChosenFileType::Other;
}

std::wstring DeriveWorkingFolder(std::wstring_view target, TargetKind kind) {
  if (kind != TargetKind::File) return {};
  const auto slash = target.rfind(L'\\');
  if (slash == std::wstring_view::npos) return {};
  std::wstring folder(target.substr(0, slash));
  if (EndsWith(folder, L":")) folder.push_back(L'\\');
  return folder;
}

}  // namespace pelmora
