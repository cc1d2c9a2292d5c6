// Handlers of the waiting window.
#include "setup/setup_ready_dialog.h"

#include "setup/resource.h"

LRESULT C_setup_ready_dialog::window_proc(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      on_init();
      break;
    case WM_COMMAND:
      on_command(LOWORD(wparam));
      break;
    case WM_CLOSE:
      // A refused close is swallowed and the window stays.
      if (!on_close()) return 0;
      break;
    default:
      break;
  }
  return C_dialog::window_proc(message, wparam, lparam);
}

void C_setup_ready_dialog::on_init() { bind_control(status, IDC_STATUS, L""); }

void C_setup_ready_dialog::on_command(int) {}

bool C_setup_ready_dialog::on_close() { return false; }
