// Resource ids of Config: the dialog template, its controls and the window icon, shared by
// config.rc and the code.
#ifndef CONFIG_RESOURCE_H
#define CONFIG_RESOURCE_H

#define IDD_CONFIG 101               // the settings dialog
#define IDI_CONFIG 102               // the dialog's icon

#define IDC_SETTINGS_PATH 1001       // edit, read-only: where system.ini lies
#define IDC_ADAPTER_NO 1002          // edit, digits only: the display adapter number
#define IDC_ADAPTER_SPIN 1003        // up-down stepping IDC_ADAPTER_NO
#define IDC_PRESENT_INTERVAL 1004    // check box: wait for vertical sync
#define IDC_USE_MIPMAP 1005          // check box: mipmaps
#define IDC_HELP_TEXT 1006           // static: the help of the setting under the cursor
#define IDC_HARDWARE_VERTEX 1008     // check box: vertex processing in hardware
#define IDC_WIPE_ONE 1009            // radio: one wipe buffer (starts its group)
#define IDC_WIPE_TWO 1010            // radio: two wipe buffers
#define IDC_WIPE_GROUP 1011          // group box around the wipe-buffer radios
#define IDC_PLAY_SILENT_SOUND 1012   // check box: silence played in the background
#define IDC_MOVIE_MCI 1013           // radio: movies through MCI (starts its group)
#define IDC_MOVIE_WMP 1014           // radio: movies through WMP
#define IDC_ADAPTER_AREA 1019        // static, hidden: the hover area of the adapter row
#define IDC_MOVIE_GROUP 1020         // group box around the movie radios
#define IDC_RESET 1021               // button "初期化する"

#endif
