// The uninstall progress dialog (template 103): one status text; the user may close it.
#ifndef SETUP_UNINSTALL_PROGRESS_DIALOG_H
#define SETUP_UNINSTALL_PROGRESS_DIALOG_H

#include "lib/controls/static.h"
#include "lib/window/dialog.h"

class C_uninstall_progress_dialog : public ZOR::C_dialog {
 public:
  // WM_INITDIALOG, WM_COMMAND and WM_CLOSE go to their handlers; the rest to C_dialog.
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override;

  ZOR::Cc_static status;  // 1014

 private:
  // WM_INITDIALOG: binds the text.
  void on_init();
  // WM_COMMAND: nothing to do; the dialog has no button.
  void on_command(int id);
  // WM_CLOSE: agrees; the removal goes on without the window.
  bool on_close();
};

#endif
