// frmOption: the options dialog and its controls. OK and Cancel are IDOK and IDCANCEL, so that
// Enter and Esc press them.
#pragma once

#define IDD_OPTION 102

// 全般 (general)
#define IDC_FRA_GENERAL 2100
#define IDC_CHK_CHECKLOCATION 2101
#define IDC_CHK_EXITAFTERCREATE 2102
#define IDC_CHK_WINDOWPOS 2103
#define IDC_CHK_NOMESSAGE 2104
#define IDC_CHK_ARROWICON 2105
#define IDC_LBL_COMMENTSETTING 2106
#define IDC_CMB_COMMENT 2107

// ショートカット名 (shortcut name)
#define IDC_FRA_SHORTCUTNAME 2120
#define IDC_CHK_GETHTMLTITLE 2121
#define IDC_CHK_GETVERSION 2122
#define IDC_CHK_GETMP3INFO 2123
#define IDC_LBL_FORMAT 2124
#define IDC_TXT_FORMAT 2125
#define IDC_CHK_EXTCUT 2126
#define IDC_CHK_GETURLTITLE 2127
#define IDC_CHK_GETURLDLGTITLE 2128
#define IDC_CHK_GETURLICON 2129

// 右クリックメニュー (right-click menu)
#define IDC_FRA_RIGHTCLICK 2140
#define IDC_BTN_ALLFILES 2141
#define IDC_BTN_FOLDER 2142
#define IDC_BTN_TARGET 2143
#define IDC_BTN_IE 2144
#define IDC_LBL_EXT 2145
#define IDC_TXT_EXT 2146
#define IDC_BTN_ADD 2147
#define IDC_LST_EXT 2148
#define IDC_BTN_DEL 2149
#define IDC_BTN_ALLDEL 2150
#define IDC_LBL_ADMINNOTE 2151  // 0..1, the note's two lines
