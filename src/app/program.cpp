#include "app/program.h"

namespace pelmora {

ProgramState& Program() {
  static ProgramState state;
  return state;
}

}  // namespace pelmora
