// frmURL, the URL builder dialog, and its controls.
#pragma once

#define IDD_URL 101

#define IDC_LBL_URL 2000
#define IDC_TXT_URL 2001
#define IDC_CMB_URL 2010  // 0..3: beginnings, domain endings, page names, templates
#define IDC_BTN_URL_OK 2020
#define IDC_BTN_URL_CAN 2021
#define IDC_BTN_URL_CLEAR 2022
