// The command-line grammar: the window-less /LNK and /AUTO actions, otherwise the main window.
#pragma once
#include <string>
#include <string_view>

namespace pelmora {

enum class StartAction { MainWindow, OpenLinkTarget, AutoInternetShortcut };

struct StartRequest {
  StartAction action = StartAction::MainWindow;
  // For /LNK and /AUTO: the text after the five characters "/LNK " or "/AUTO", unchanged.
  std::wstring argument;
};

// The argument text exactly as the process received it: everything after the program's own
// path (quoted or bare) and the blanks that separate it, nothing re-joined or unquoted.
std::wstring RawArgumentText(std::wstring_view processCommandLine);

// "/LNK" (any case) with more than 5 characters in all, "/AUTO" with more than 6; anything
// else, including "/LNK" or "/AUTO" alone or with one more character, opens the main window.
StartRequest ClassifyCommandLine(std::wstring_view argumentText);

}  // namespace pelmora
