// The waiting window (template 105): visible at creation, no close box, not closable by the user.
#ifndef SETUP_SETUP_READY_DIALOG_H
#define SETUP_SETUP_READY_DIALOG_H

#include <string>

#include "lib/controls/static.h"
#include "lib/window/dialog.h"

class C_setup_ready_dialog : public ZOR::C_handler_dialog {
 public:
  ZOR::Cc_static status;  // 1014

  // Shows the waiting window with its text, owned by the main window. False when the window
  // could not be created (the work goes on without it).
  bool open(const std::wstring& text);

 private:
  // WM_INITDIALOG: binds the text.
  bool on_init() override;
  // WM_CLOSE: refused (Alt+F4 included): only the program destroys the waiting window.
  bool on_close() override;
};

#endif
