// The waiting window that Foyer shows while the shell starts a program.
#ifndef FOYER_MENU_READY_DIALOG_H
#define FOYER_MENU_READY_DIALOG_H

#include <string>

#include "lib/controls/static.h"
#include "lib/window/dialog.h"

class C_menu_ready_dialog : public ZOR::C_handler_dialog {
 public:
  // Creates the window (template 105, "lumora_foyer_ready") with parent as owner and shows
  // text in it. False when it cannot be created (recorded).
  bool show(HWND parent, const std::wstring& text);

  ZOR::Cc_static txt_message;

 protected:
  bool on_init() override;
  // The user cannot close the waiting window: the action that made it destroys it.
  bool on_close() override;
};

extern C_menu_ready_dialog menu_ready_dialog;

#endif
