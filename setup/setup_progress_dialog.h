// The setup progress dialog: status text, overall and current-file bars, cancel (template 102).
#ifndef SETUP_SETUP_PROGRESS_DIALOG_H
#define SETUP_SETUP_PROGRESS_DIALOG_H

#include "lib/controls/button.h"
#include "lib/controls/progress.h"
#include "lib/controls/static.h"
#include "lib/window/dialog.h"

class C_setup_progress_dialog : public ZOR::C_handler_dialog {
 public:
  // Closes the dialog without the cancel question (the install has ended). Nothing
  // happens when the window no longer exists.
  void close_by_program();

  ZOR::Cc_static status;          // 1014
  ZOR::Cc_progress total_bar;     // 1011, overall progress
  ZOR::Cc_progress file_bar;      // 1012, current file
  ZOR::Cc_button cancel;          // 1013
  bool closed_by_program = false;

 private:
  // WM_INITDIALOG: binds the controls; the title stays "セットアップ中".
  bool on_init() override;
  // WM_COMMAND: the cancel button closes, which asks the cancel question.
  void on_command(int id) override;
  // WM_CLOSE: agrees at once when the program closes; otherwise asks whether to cancel the
  // install and agrees (setting abort_requested) only on Yes.
  bool on_close() override;
};

#endif
