// Resource ids of Foyer: dialog templates and control ids shared by foyer.rc and the code.
#ifndef FOYER_RESOURCE_H
#define FOYER_RESOURCE_H

// Dialog templates.
#define IDD_MENU 101             // the menu: the title picture; the buttons are made at run time
#define IDD_SETUP_AFTER 102      // after setup: the shortcut offer
#define IDD_MENU_READY 105       // waiting window while a program is being started
#define IDD_UNINSTALL_AFTER 106  // after uninstall: shortcut and save data

// Controls.
#define IDC_PICTURE 1002          // static: the title picture (101)
#define IDC_NEXT 1003             // button "次へ >>" (102, 106)
#define IDC_CREATE_SHORTCUT 1004  // check box (102)
#define IDC_DELETE_SHORTCUT 1005  // check box (106)
#define IDC_DELETE_SAVE_DATA 1006 // check box (106)
#define IDC_MESSAGE 1014          // static: the waiting window's text (105)

#endif
