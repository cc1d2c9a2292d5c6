// Handlers of the uninstall progress dialog.
#include "setup/uninstall_progress_dialog.h"

#include "setup/resource.h"

bool C_uninstall_progress_dialog::on_init() {
  bind_control(status, IDC_STATUS, L"");
  return false;
}
