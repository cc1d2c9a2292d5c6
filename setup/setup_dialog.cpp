// The setup dialog's handlers; the work behind its buttons is in install_target.cpp.
#include "setup/setup_dialog.h"

#include "setup/install_target.h"
#include "setup/resource.h"
#include "setup/setup_environment.h"

bool C_setup_dialog::on_init() {
  set_main_window();
  bind_control(destination, IDC_DESTINATION, L"");
  bind_control(change, IDC_CHANGE, L"");
  bind_control(free_space, IDC_FREE_SPACE, L"");
  if (setup_environment.min_setup_use) {
    bind_control(full, IDC_FULL, L"");
    bind_control(min, IDC_MIN, L"");
  }
  bind_control(full_size, IDC_FULL_SIZE, L"");
  // Template 106 has no 1009: the control then stays unbound and ignores every call.
  bind_control(min_size, IDC_MIN_SIZE, L"");
  bind_control(start, IDC_START, L"");
  bind_control(cancel, IDC_CLOSE, L"");
  set_text(setup_environment.game_title);
  set_class_icon(setup_environment.icon_large);
  set_class_small_icon(setup_environment.icon_small);
  update_method_texts();
  start.set_focus();
  set_show(true);
  return false;
}

void C_setup_dialog::on_command(int id) {
  switch (id) {
    case IDC_CHANGE:
      browse_destination();
      break;
    case IDC_START:
      start_setup();
      break;
    case IDC_CLOSE:
      close();
      break;
    default:
      break;
  }
}

bool C_setup_dialog::on_close() { return true; }
