// Commands of the special popup menu (IDR_SPECIAL_MENU). Arrays: entry i has the id base + i.
#pragma once

#define IDM_EXPLORER 3000       // 0..1: Explorer on a chosen folder, on a chosen root
#define IDM_CONTROL_PANEL 3010  // 0..9: Control Panel applets
#define IDM_SHUTDOWN 3030       // 0..3: shut down, restart, fast restart, log off
#define IDM_SPECIAL_CANCEL 3090
