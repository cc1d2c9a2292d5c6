// The waiting window shown while the shell starts a program.
#include "foyer/menu_ready_dialog.h"

#include "foyer/resource.h"

C_menu_ready_dialog menu_ready_dialog;

bool C_menu_ready_dialog::show(HWND parent, const std::wstring& text) {
  if (!create(IDD_MENU_READY, L"lumora_foyer_ready", false, false, parent)) return false;
  txt_message.set_text(text);
  return true;
}

bool C_menu_ready_dialog::on_init() {
  bind_control(txt_message, IDC_MESSAGE, L"message");
  return false;
}

bool C_menu_ready_dialog::on_close() { return false; }
