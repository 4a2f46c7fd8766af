// ProductName and FileDescription from an executable's version resource, read as Unicode.
#include "naming/target_readers.h"
#include "naming/version_names_rules.h"
#include "win/version_resource.h"

namespace pelmora {

VersionNames ReadVersionNames(const std::wstring& path) {
  VersionNames names;
  const VersionResource version(path);
  const auto product = FitVersionValue(version.String(L"ProductName"));
  if (!product) return names;
  names.ProductName = *product;
  const auto description = FitVersionValue(version.String(L"FileDescription"));
  if (!description) return names;
  names.FileDescription = *description;
  return names;
}

}  // namespace pelmora
