// Resource ids of Setup: dialog templates and control ids shared by setup.rc and the code.
#ifndef SETUP_RESOURCE_H
#define SETUP_RESOURCE_H

// Dialog templates.
#define IDD_SETUP 101                // setup dialog with the choice of method
#define IDD_SETUP_PROGRESS 102       // setup progress dialog
#define IDD_UNINSTALL_PROGRESS 103   // uninstall progress dialog
#define IDD_UNINSTALL 104            // uninstall dialog
#define IDD_SETUP_READY 105          // waiting window
#define IDD_SETUP_FULL_ONLY 106      // setup dialog without the choice of method

// Controls. Some ids serve different controls in different templates.
#define IDC_DESTINATION 1001         // edit: destination / installation folder (101, 104, 106)
#define IDC_CHANGE 1002              // button "変更" (101, 106)
#define IDC_FREE_SPACE 1003          // static: free space of the destination drive (101, 106)
#define IDC_METHOD_GROUP 1004        // group box "セットアップ方法" (101)
#define IDC_FULL 1006                // radio: full install (101)
#define IDC_MIN 1007                 // radio: minimal install (101)
#define IDC_FULL_SIZE 1008           // static: space a full install needs (101, 106)
#define IDC_MIN_SIZE 1009            // static: space a minimal install needs (101)
#define IDC_START 1010               // button "セットアップ開始" (101, 106)
#define IDC_CLOSE 1011               // button "キャンセル" (101, 104, 106)
#define IDC_TOTAL_PROGRESS 1011      // progress bar: overall progress (102)
#define IDC_FILE_PROGRESS 1012       // progress bar: current file (102)
#define IDC_CANCEL_COPY 1013         // button "キャンセル" (102)
#define IDC_STATUS 1014              // static: status or message text (102, 103, 105)
#define IDC_UNINSTALL_START 1015     // button "アンインストール開始" (104)

#endif
