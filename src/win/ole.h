// OLE on the program's one window thread, started on first need: the shell-link object, the
// pickers and drag and drop need it, but showing the window does not, and starting it costs more
// than anything else at start-up.
#pragma once

namespace pelmora {

// Starts OLE on the calling thread unless it runs already; false when it cannot be started.
bool EnsureOle();

// Ends OLE on this thread when EnsureOle started it (once, when the program ends).
void EndOle();

}  // namespace pelmora
