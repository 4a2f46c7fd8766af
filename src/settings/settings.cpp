#include "settings/settings.h"

namespace pelmora {

Settings& CurrentSettings() {
  static Settings settings;
  return settings;
}

}  // namespace pelmora
