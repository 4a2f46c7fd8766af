// Resource and control identifiers of Pelmora.
#pragma once

#define IDI_APP 1
#define IDI_FOLDER 2
#define IDI_TARGET 3
#define IDI_COPY 4
#define IDI_PASTE 5

#define IDD_MAIN 100
#define IDR_SPECIAL_MENU 200

// frmMain controls. Arrays: the control of index i has the id base + i.
#define IDC_LBL_LNKPATH 1000
#define IDC_TXT_LNKPATH 1001
#define IDC_LBL_OPTION 1002
#define IDC_TXT_OPTION 1003
#define IDC_LBL_WRKPATH 1004
#define IDC_TXT_WRKPATH 1005
#define IDC_LBL_SHOWCMD 1006
#define IDC_CMB_SHOWCMD 1007
#define IDC_LBL_SHORTCUTNAME 1008
#define IDC_TXT_SHORTCUTNAME 1009
#define IDC_LBL_COMMENT 1010
#define IDC_TXT_COMMENT 1011
#define IDC_PIC_ICON 1012
#define IDC_FRA_WHERE 1013
#define IDC_CHK_ALLUSERS 1014
#define IDC_CMB_STARTMENUPATH 1015
#define IDC_CMB_FREEPATH 1016
#define IDC_CMB_FAVORITESPATH 1017
#define IDC_LBL_BATCH 1018  // the targets waiting beside the form's: a link to their list
#define IDC_BTN_CREATE 1020
#define IDC_BTN_EXIT 1021
#define IDC_BTN_URL 1022
#define IDC_BTN_SPECIAL 1023
#define IDC_BTN_OPTION 1024
#define IDC_BTN_ABOUT 1025
#define IDC_BTN_HELP 1026
#define IDC_CHK_WHERE 1100       // 0..6, by destination
#define IDC_BTN_BROWS 1200       // 0..4
#define IDC_BTN_CLEAR 1300       // 0..1
#define IDC_PIC_FLATBUTTON 1400  // 0..9

#include "about_dialog_ids.h"
#include "batch_list_dialog_ids.h"
#include "help_topics.h"
#include "option_dialog_ids.h"
#include "overwrite_dialog_ids.h"
#include "preset_menu_ids.h"
#include "url_dialog_ids.h"
