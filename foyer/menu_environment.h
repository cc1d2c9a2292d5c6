// Foyer's process-wide record: what start-up learnt, read by the menu and its actions.
#ifndef FOYER_MENU_ENVIRONMENT_H
#define FOYER_MENU_ENVIRONMENT_H

#include <windows.h>

#include <string>

#include "lib/setting/setup_ini.h"

// One instance for the process (menu_environment), filled once by menu_main and only read
// afterwards. Setup.ini's keys are the record the shared reader fills: game_title,
// reg_path, the flags direct_x_use, manual_use, ex_button_use, ex_button_close, the label
// ex_button_name, and manual_path and ex_button_path joined below setup_data_dir.
struct Cmenu_environment : ZOR::Csetup_ini {
  std::wstring setup_data_dir;  // the /dir value, verbatim
  std::wstring game_data_dir;   // setup_data_dir + "\GameData"
  std::wstring return_path;     // the /return value; empty when absent
  bool return_use = false;      // return_path is not empty
  // Setup.ico at 32 and 16 pixels; owned by menu_main, which destroys them on return.
  HICON setup_icon_large = nullptr;
  HICON setup_icon_small = nullptr;
  std::wstring reg_key_path;   // "Software\" + reg_path, below HKEY_LOCAL_MACHINE
  std::wstring documents_dir;  // the user's documents folder
  std::wstring save_dir;       // documents_dir + "\" + reg_path
};

extern Cmenu_environment menu_environment;

// A message box owned by the main window with the game title as caption; its answer.
int menu_box(const std::wstring& text, UINT style);
// menu_box with the warning icon.
void menu_warning(const std::wstring& text);

#endif
