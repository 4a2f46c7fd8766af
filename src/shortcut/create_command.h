// The create command: writes the shortcut of the main window into every ticked destination.
#pragma once

namespace pelmora {

class MainWindow;

// Validates, asks before creating a missing sub-folder and before overwriting, writes a .lnk
// (or a .url for a web address) per ticked destination, remembers the sub-folders used and
// reports the outcome. Cancel at a question ends the command at once, without a summary.
void CreateShortcuts(MainWindow& window);

}  // namespace pelmora
