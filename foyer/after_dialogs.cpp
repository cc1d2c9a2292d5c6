// The after-setup and after-uninstall dialogs.
#include "foyer/after_dialogs.h"

#include "foyer/menu_environment.h"
#include "foyer/resource.h"
#include "lib/error/error.h"

bool C_after_dialog::on_init() {
  set_text(menu_environment.game_title);
  set_class_icon(menu_environment.setup_icon_large);
  set_class_small_icon(menu_environment.setup_icon_small);
  return false;
}

void C_after_dialog::on_command(int id) {
  if (id != IDC_NEXT) return;
  read_choices();
  EndDialog(hwnd, 1);
}

bool C_after_dialog::on_close() {
  if (ZOR::message_box_owned(hwnd, close_question_, menu_environment.game_title, MB_YESNO) != IDNO) {
    EndDialog(hwnd, 0);
  }
  return false;
}

INT_PTR C_setup_after_dialog::run() { return run_modal(IDD_SETUP_AFTER, L"setup_after"); }

bool C_setup_after_dialog::on_init() {
  C_after_dialog::on_init();
  bind_control(chk_create_shortcut, IDC_CREATE_SHORTCUT, L"create_shortcut");
  chk_create_shortcut.set_check(true);
  return false;
}

void C_setup_after_dialog::read_choices() { create_shortcut_choice = chk_create_shortcut.get_check(); }

INT_PTR C_uninstall_after_dialog::run() { return run_modal(IDD_UNINSTALL_AFTER, L"uninstall_after"); }

bool C_uninstall_after_dialog::on_init() {
  C_after_dialog::on_init();
  bind_control(chk_delete_shortcut, IDC_DELETE_SHORTCUT, L"delete_shortcut");
  bind_control(chk_delete_save_data, IDC_DELETE_SAVE_DATA, L"delete_save_data");
  chk_delete_shortcut.set_check(true);
  return false;
}

void C_uninstall_after_dialog::read_choices() {
  delete_shortcut_choice = chk_delete_shortcut.get_check();
  delete_save_data_choice = chk_delete_save_data.get_check();
}
