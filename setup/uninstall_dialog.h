// The uninstall dialog: the installation folder, start and cancel (template 104).
#ifndef SETUP_UNINSTALL_DIALOG_H
#define SETUP_UNINSTALL_DIALOG_H

#include "lib/controls/button.h"
#include "lib/controls/edit.h"
#include "lib/window/dialog.h"

class C_uninstall_dialog : public ZOR::C_dialog {
 public:
  // WM_INITDIALOG, WM_COMMAND and WM_CLOSE go to their handlers; the rest to C_dialog.
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override;

  ZOR::Cc_edit destination;   // 1001
  ZOR::Cc_button start;       // 1015
  ZOR::Cc_button cancel;      // 1011

 private:
  // WM_INITDIALOG: becomes the main window, binds the controls, shows install_dir.
  void on_init();
  // WM_COMMAND: start -> the uninstall, cancel -> close.
  void on_command(int id);
  // WM_CLOSE: always agrees; closing without starting removes nothing.
  bool on_close();
};

#endif
