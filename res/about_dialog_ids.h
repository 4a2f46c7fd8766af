// frmAbout, the About box, and its controls. OK is IDOK, so that Enter and Esc close it.
#pragma once

#define IDD_ABOUT 103

#define IDC_IMG_ABOUT 2300        // Image1: the program icon, a click opens the home page
#define IDC_LBL_ABOUT_NAME 2301   // Label1: the program name
#define IDC_LBL_VERSION_CAPTION 2302
#define IDC_LBL_MYVER 2303
#define IDC_LBL_COPYRIGHT 2304
#define IDC_LBL_HP 2305           // the home page address, a link
