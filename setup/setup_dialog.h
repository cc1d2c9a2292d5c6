// The setup dialog: destination, free space, method choice, start and cancel (templates 101, 106).
#ifndef SETUP_SETUP_DIALOG_H
#define SETUP_SETUP_DIALOG_H

#include "lib/controls/button.h"
#include "lib/controls/edit.h"
#include "lib/controls/static.h"
#include "lib/window/dialog.h"

class C_setup_dialog : public ZOR::C_dialog {
 public:
  // WM_INITDIALOG, WM_COMMAND and WM_CLOSE go to their handlers; the rest to C_dialog.
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override;

  ZOR::Cc_edit destination;     // 1001
  ZOR::Cc_button change;        // 1002
  ZOR::Cc_static free_space;    // 1003
  ZOR::Cc_radio full;           // 1006 (template 101 only)
  ZOR::Cc_radio min;            // 1007 (template 101 only)
  ZOR::Cc_static full_size;     // 1008
  ZOR::Cc_static min_size;      // 1009 (template 101 only)
  ZOR::Cc_button start;         // 1010
  ZOR::Cc_button cancel;        // 1011

 private:
  // WM_INITDIALOG: becomes the main window, binds the controls, fills the texts, shows.
  void on_init();
  // WM_COMMAND: change -> folder browser, start -> the install, cancel -> close.
  void on_command(int id);
  // WM_CLOSE: always agrees; closing the setup dialog ends Setup.
  bool on_close();
};

#endif
