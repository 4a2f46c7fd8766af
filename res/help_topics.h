// Help topics. A control's help topic is its own id, unless a window's table gives it another:
// a label shares the topic of its field, and these are topics of their own. The right-click
// entry buttons of the options dialog change topic with what a click will do.
#pragma once

#define IDH_FOLDER_ADD 43
#define IDH_FOLDER_REMOVE 44
#define IDH_OPEN_TARGET_ADD 46
#define IDH_OPEN_TARGET_REMOVE 47
#define IDH_IE_ADD 56
#define IDH_IE_REMOVE 57
#define IDH_ALL_FILES_ADD 59
#define IDH_ALL_FILES_REMOVE 60

// OK and Cancel of the options dialog (their ids are the system's IDOK and IDCANCEL).
#define IDH_OPTION_OK 2190
#define IDH_OPTION_CANCEL 2191
