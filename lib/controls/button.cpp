// Push buttons, check boxes and radio buttons of a dialog.
#include "lib/controls/button.h"

namespace ZOR {

namespace {

const wchar_t button_class[] = L"Button";
// BCM_SETSHIELD of the common controls 6 buttons (commctrl.h offers it only from Vista on).
const UINT button_set_shield = 0x160C;

void set_button_check(HWND button, bool checked) {
  if (button != nullptr) SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool get_button_check(HWND button) {
  if (button == nullptr) return false;
  return (SendMessageW(button, BM_GETCHECK, 0, 0) & 1) != 0;
}

}  // namespace

Cc_button::Cc_button() : C_control(button_class) {}

void Cc_button::set_shield(bool shield) {
  if (hwnd != nullptr) SendMessageW(hwnd, button_set_shield, 0, shield ? TRUE : FALSE);
}

Cc_check::Cc_check() : C_control(button_class) {}

void Cc_check::set_check(bool checked) { set_button_check(hwnd, checked); }

bool Cc_check::get_check() const { return get_button_check(hwnd); }

Cc_radio::Cc_radio() : C_control(button_class) {}

void Cc_radio::set_check(bool checked) { set_button_check(hwnd, checked); }

bool Cc_radio::get_check() const { return get_button_check(hwnd); }

}  // namespace ZOR
