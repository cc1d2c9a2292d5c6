// The uninstall dialog: the installation folder, start and cancel (template 104).
#ifndef SETUP_UNINSTALL_DIALOG_H
#define SETUP_UNINSTALL_DIALOG_H

#include "lib/controls/button.h"
#include "lib/controls/edit.h"
#include "lib/window/dialog.h"

class C_uninstall_dialog : public ZOR::C_handler_dialog {
 public:
  ZOR::Cc_edit destination;   // 1001
  ZOR::Cc_button start;       // 1015
  ZOR::Cc_button cancel;      // 1011

 private:
  // WM_INITDIALOG: becomes the main window, binds the controls, shows install_dir.
  bool on_init() override;
  // WM_COMMAND: start -> the uninstall, cancel -> close.
  void on_command(int id) override;
  // WM_CLOSE: always agrees; closing without starting removes nothing.
  bool on_close() override;
};

#endif
