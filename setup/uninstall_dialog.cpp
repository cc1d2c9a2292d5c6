// The uninstall dialog's handlers; the removal itself is in uninstall.cpp.
#include "setup/uninstall_dialog.h"

#include "setup/resource.h"
#include "setup/setup_environment.h"
#include "setup/uninstall.h"

bool C_uninstall_dialog::on_init() {
  set_main_window();
  bind_control(destination, IDC_DESTINATION, L"");
  bind_control(start, IDC_UNINSTALL_START, L"");
  bind_control(cancel, IDC_CLOSE, L"");
  set_text(setup_environment.game_title);
  set_class_icon(setup_environment.icon_large);
  set_class_small_icon(setup_environment.icon_small);
  destination.set_text_lines(setup_environment.install_dir);
  set_show(true);
  return false;
}

void C_uninstall_dialog::on_command(int id) {
  switch (id) {
    case IDC_CLOSE:
      close();
      break;
    case IDC_UNINSTALL_START:
      start_uninstall();
      break;
    default:
      break;
  }
}

bool C_uninstall_dialog::on_close() { return true; }
