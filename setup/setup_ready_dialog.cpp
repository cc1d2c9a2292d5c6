// Handlers of the waiting window.
#include "setup/setup_ready_dialog.h"

#include "setup/resource.h"

bool C_setup_ready_dialog::on_init() {
  bind_control(status, IDC_STATUS, L"");
  return false;
}

bool C_setup_ready_dialog::on_close() { return false; }
