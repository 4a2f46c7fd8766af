// The list of a batch's items and its controls. 閉じる is IDCANCEL, so that Enter, Esc and the
// close box close the list.
#pragma once

#define IDD_BATCH_LIST 105

#define IDC_LBL_BATCH_NOTE 2500   // how many, and what the window's fields apply to
#define IDC_LST_BATCH 2501        // every item, the form's first
#define IDC_BTN_BATCH_LEAVE 2502  // leaves batch mode: only the form's target stays
