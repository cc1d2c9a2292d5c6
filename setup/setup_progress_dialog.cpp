// The setup progress dialog's handlers and its cancel question.
#include "setup/setup_progress_dialog.h"

#include "lib/error/error.h"
#include "setup/resource.h"
#include "setup/setup_environment.h"

void C_setup_progress_dialog::close_by_program() {
  if (hwnd == nullptr) return;
  closed_by_program = true;
  close();
}

bool C_setup_progress_dialog::on_init() {
  closed_by_program = false;
  bind_control(status, IDC_STATUS, L"");
  bind_control(total_bar, IDC_TOTAL_PROGRESS, L"");
  bind_control(file_bar, IDC_FILE_PROGRESS, L"");
  bind_control(cancel, IDC_CANCEL_COPY, L"");
  return false;
}

void C_setup_progress_dialog::on_command(int id) {
  if (id == IDC_CANCEL_COPY) close();
}

bool C_setup_progress_dialog::on_close() {
  if (closed_by_program) {
    closed_by_program = false;
    return true;
  }
  int answer = ZOR::message_box_owned(hwnd, L"セットアップを中止します。よろしいですか？", setup_environment.game_title,
                                      MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
  if (answer != IDYES) return false;
  setup_environment.abort_requested = true;
  set_enable(false);
  return true;
}
