// The setup dialog: destination, free space, method choice, start and cancel (templates 101, 106).
#ifndef SETUP_SETUP_DIALOG_H
#define SETUP_SETUP_DIALOG_H

#include "lib/controls/button.h"
#include "lib/controls/edit.h"
#include "lib/controls/static.h"
#include "lib/window/dialog.h"

class C_setup_dialog : public ZOR::C_handler_dialog {
 public:
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
  // WM_INITDIALOG: becomes the main window, binds the controls, fills the texts, puts the
  // focus on start itself and shows.
  bool on_init() override;
  // WM_COMMAND: change -> folder browser, start -> the install, cancel -> close.
  void on_command(int id) override;
  // WM_CLOSE: always agrees; closing the setup dialog ends Setup.
  bool on_close() override;
};

#endif
