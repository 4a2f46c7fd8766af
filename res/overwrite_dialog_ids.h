// The overwrite question of a batch and its controls. キャンセル is IDCANCEL, so that Esc and the
// close box press it.
#pragma once

#define IDD_OVERWRITE 104

#define IDC_IMG_OVERWRITE 2400  // the question icon
#define IDC_LBL_OVERWRITE 2401  // the question: which destination, which file
#define IDC_BTN_OVERWRITE 2402
#define IDC_BTN_OVERWRITE_ALL 2403
#define IDC_BTN_SKIP 2404
#define IDC_BTN_SKIP_ALL 2405
