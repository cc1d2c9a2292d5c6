// The uninstall progress dialog (template 103): one status text; the user may close it.
#ifndef SETUP_UNINSTALL_PROGRESS_DIALOG_H
#define SETUP_UNINSTALL_PROGRESS_DIALOG_H

#include "lib/controls/static.h"
#include "lib/window/dialog.h"

class C_uninstall_progress_dialog : public ZOR::C_handler_dialog {
 public:
  ZOR::Cc_static status;  // 1014

 private:
  // WM_INITDIALOG: binds the text. A close is agreed to (the default); the removal goes on
  // without the window.
  bool on_init() override;
};

#endif
