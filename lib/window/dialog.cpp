// Modeless and modal dialogs: creation, control binding and the dialog's default handling.
#include "lib/window/dialog.h"

#include <algorithm>

#include "lib/error/error.h"
#include "lib/window/application.h"

namespace ZOR {

namespace {

DLGPROC dialog_proc_pointer() { return reinterpret_cast<DLGPROC>(&static_window_proc); }

}  // namespace

void C_dialog::window_proc_pre(UINT message, WPARAM, LPARAM) {
  if (message == WM_CREATE || message == WM_INITDIALOG) register_created_window();
}

LRESULT C_dialog::window_proc(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DESTROY:
      children.clear();
      drag_splitter = nullptr;
      break;
    case WM_SIZE:
      anchor_children(*this, LOWORD(lparam), HIWORD(lparam));
      if (has_status_bar && status_bar != nullptr) SendMessageW(status_bar, WM_SIZE, wparam, lparam);
      layout_splitters(*this);
      break;
    case WM_SETCURSOR:
      if (splitter_set_cursor(*this)) return 1;
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
      if (splitter_mouse(*this, message, lparam)) return 0;
      break;
    default:
      break;
  }
  return C_window_base::window_proc(message, wparam, lparam);
}

bool C_dialog::create(int template_id, const std::wstring& dialog_name, bool min_size, bool snapping,
                      HWND parent, int anchor_place) {
  if (hwnd != nullptr) return true;
  name = dialog_name;
  limit_min_size = min_size;
  snap = snapping;
  anchor = anchor_place;
  HWND window = CreateDialogParamW(application.instance, MAKEINTRESOURCEW(template_id), parent,
                                   dialog_proc_pointer(), reinterpret_cast<LPARAM>(this));
  if (window == nullptr) {
    set_win32_error(L"CreateDialogParam");
    return false;
  }
  if (snap) snap_list.push_back(window);
  return true;
}

bool C_dialog::bind_control(C_control& control, int item_id, const std::wstring& control_name,
                            int anchor_place) {
  control.name = control_name;
  control.anchor = anchor_place;
  HWND item = hwnd != nullptr ? GetDlgItem(hwnd, item_id) : nullptr;
  if (item == nullptr) {
    set_win32_error(L"GetDlgItem");
    control.detach();
    return false;
  }
  control.attach(item);
  if (std::find(children.begin(), children.end(), &control) == children.end()) {
    children.push_back(&control);
  }
  return true;
}

LRESULT C_handler_dialog::window_proc(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      if (on_init()) return TRUE;
      break;
    case WM_COMMAND:
      on_command(LOWORD(wparam));
      break;
    case WM_CLOSE:
      if (!on_close()) return 0;
      break;
    default:
      break;
  }
  return C_dialog::window_proc(message, wparam, lparam);
}

bool C_handler_dialog::on_init() { return false; }

void C_handler_dialog::on_command(int) {}

bool C_handler_dialog::on_close() { return true; }

INT_PTR C_modal_dialog::run_modal(int template_id, const std::wstring& dialog_name) {
  if (hwnd != nullptr) return 0;
  name = dialog_name;
  limit_min_size = true;
  INT_PTR result = DialogBoxParamW(application.instance, MAKEINTRESOURCEW(template_id), nullptr,
                                   dialog_proc_pointer(), reinterpret_cast<LPARAM>(this));
  if (result == -1) set_win32_error(L"DialogBoxParam");
  return result;
}

}  // namespace ZOR
