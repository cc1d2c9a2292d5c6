// Handlers of the waiting window.
#include "setup/setup_ready_dialog.h"

#include "lib/window/application.h"
#include "setup/resource.h"

bool C_setup_ready_dialog::open(const std::wstring& text) {
  if (!create(IDD_SETUP_READY, L"lumora_setup_ready", false, false, ZOR::application.main_window)) return false;
  status.set_text_lines(text);
  return true;
}

bool C_setup_ready_dialog::on_init() {
  bind_control(status, IDC_STATUS, L"");
  return false;
}

bool C_setup_ready_dialog::on_close() { return false; }
