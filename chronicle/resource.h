// Resource ids of Chronicle: the dialog template, its controls and the window icon.
#ifndef CHRONICLE_RESOURCE_H
#define CHRONICLE_RESOURCE_H

#define IDD_GUI_MAIN 101    // the log window
#define IDI_CHRONICLE 102   // its window icon

#define IDC_LOG_LIST 1006   // list view: the log rows
#define IDC_RUN 1007        // button "実行"
#define IDC_SAVE_LOG 1008   // button "ログを保存する"

#define IDC_STATUS_BAR 50000  // the status bar made at run time

#endif
