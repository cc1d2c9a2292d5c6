// Foyer's main window: the title picture beside two pages of buttons made at run time.
#ifndef FOYER_MENU_DIALOG_H
#define FOYER_MENU_DIALOG_H

#include "foyer/title_picture.h"
#include "lib/controls/button.h"
#include "lib/window/dialog.h"
#include "lib/window/dpi.h"

class C_menu_dialog : public ZOR::C_dialog {
 public:
  // WM_INITDIALOG: initialisation; WM_COMMAND: the button's action. Every message then
  // goes on to C_dialog, which closes the dialog on WM_CLOSE and ends the program when
  // the dialog is destroyed.
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override;

  // Lays the buttons out for page and for whether the game's registry key exists now.
  void layout_menu();

  C_menu_picture picture;
  ZOR::Cc_button btn_setup;
  ZOR::Cc_button btn_direct_x;
  ZOR::Cc_button btn_manual;
  ZOR::Cc_button btn_uninstall;
  ZOR::Cc_button btn_save_folder;
  ZOR::Cc_button btn_shortcut;
  ZOR::Cc_button btn_config;
  ZOR::Cc_button btn_chronicle;
  ZOR::Cc_button btn_repair;
  ZOR::Cc_button btn_game_window;
  ZOR::Cc_button btn_game_fullscreen;
  ZOR::Cc_button btn_extra;
  ZOR::Cc_button btn_back;
  ZOR::Cc_button btn_other_settings;
  ZOR::Cc_button btn_exit;
  int page = 0;  // 0: the first page, 1: the second ("その他の設定")

 private:
  // WM_INITDIALOG: main window, title, icons, the picture, the fifteen buttons, the
  // layout, then centred on the screen and shown.
  void on_init();
  // WM_COMMAND from the button whose window is control; anything else does nothing.
  void on_command(HWND control);
  // Shows button at y (at 96 DPI) with its label, enabled or not.
  void place(ZOR::Cc_button& button, int y, const wchar_t* label, bool enabled = true);
  // length, a pixel length of the menu's geometry at 96 DPI, at the window's DPI.
  int scaled(int length) const;

  // The window's DPI, read at initialisation (the program is system-DPI aware, so it
  // stays for the window's life).
  int dpi_ = ZOR::base_dpi;
};

extern C_menu_dialog menu_dialog;

#endif
