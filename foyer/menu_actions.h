// The work behind the menu's buttons; each action reads menu_environment and the registry.
#ifndef FOYER_MENU_ACTIONS_H
#define FOYER_MENU_ACTIONS_H

#include <string>

// Set-up and uninstall through the Setup beside Foyer (setup_actions.cpp): the menu hides
// while Setup runs, then the after-dialog when the installed state changed, then the menu
// is laid out again and shown.
void run_setup();
void run_uninstall();

// menu_actions.cpp
void run_direct_x_setup();
// Starts the installed engine with "/fullscreen" or "/window"; true when it started (the
// menu then closes).
bool start_game(bool full_screen);
// Starts name ("Config.exe", "Chronicle.exe") from the setup data folder; the menu stays.
void run_support_tool(const std::wstring& name);
void open_manual();
void run_extra_button();
// Starts the /return program; true when it started (the menu then closes).
bool run_return_program();

// shortcut.cpp: the desktop shortcut to the installed engine.
void create_shortcut_from_menu();
void create_shortcut_after_setup();
void delete_desktop_shortcut();

// save_data.cpp: the save folder below the documents folder.
void open_save_folder();
void delete_save_data();

// The installed game's folder (the registry value exe_dir), read afresh; false when it
// cannot be read.
bool read_exe_dir(std::wstring& exe_dir);
// The installed engine, exe_dir + "\LumoraEngine.exe"; false after the message that the
// registry value or the engine is missing.
bool read_engine_program(std::wstring& engine);

#endif
