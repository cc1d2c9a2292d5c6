// The waiting window (template 105): visible at creation, no close box, not closable by the user.
#ifndef SETUP_SETUP_READY_DIALOG_H
#define SETUP_SETUP_READY_DIALOG_H

#include "lib/controls/static.h"
#include "lib/window/dialog.h"

class C_setup_ready_dialog : public ZOR::C_dialog {
 public:
  // WM_INITDIALOG, WM_COMMAND and WM_CLOSE go to their handlers; the rest to C_dialog.
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override;

  ZOR::Cc_static status;  // 1014

 private:
  // WM_INITDIALOG: binds the text.
  void on_init();
  // WM_COMMAND: nothing to do; the dialog has no button.
  void on_command(int id);
  // WM_CLOSE: refused (Alt+F4 included): only the program destroys the waiting window.
  bool on_close();
};

#endif
