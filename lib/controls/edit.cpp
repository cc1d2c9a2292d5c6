// Edit boxes: line-break conversion, keys that stay in the box, and dropped files.
#include "lib/controls/edit.h"

#include <shellapi.h>

#include <vector>

#include "lib/controls/shortcut.h"
#include "lib/text/text.h"

namespace ZOR {

namespace {

// True for the keys that the box keeps but the system's edit control would hand on to the
// dialog once it knows it sits in one: Enter (unless a multi-line box takes it as a line
// break, ES_WANTRETURN) goes to the default button, Escape in a multi-line box closes the
// dialog. WM_KEYDOWN and WM_CHAR carry the same value for both keys.
bool key_kept_from_dialog(HWND edit, WPARAM key) {
  if (key == VK_ESCAPE) return true;
  if (key != VK_RETURN) return false;
  const auto style = GetWindowLongPtrW(edit, GWL_STYLE);
  return (style & ES_MULTILINE) == 0 || (style & ES_WANTRETURN) == 0;
}

}  // namespace

Cc_edit::Cc_edit() : C_control(L"Edit") {}

LRESULT Cc_edit::window_proc(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_GETDLGCODE:
      return on_get_dlg_code(wparam, lparam);
    case WM_KEYDOWN:
    case WM_CHAR:
      // Swallowed: the key stays in the box and presses nothing.
      if (key_kept_from_dialog(hwnd, wparam)) return 0;
      break;
    case WM_DROPFILES:
      on_drop_files(reinterpret_cast<HDROP>(wparam));
      break;
    default:
      break;
  }
  return C_control::window_proc(message, wparam, lparam);
}

LRESULT Cc_edit::on_get_dlg_code(WPARAM wparam, LPARAM lparam) {
  LRESULT code = C_control::window_proc(WM_GETDLGCODE, wparam, lparam);
  const auto* msg = reinterpret_cast<const MSG*>(lparam);
  if (msg != nullptr && msg->message == WM_KEYDOWN) {
    switch (msg->wParam) {
      case VK_RETURN:
      case VK_ESCAPE:
      case VK_UP:
      case VK_DOWN:
        code |= DLGC_WANTALLKEYS;
        break;
      default:
        break;
    }
  }
  return code;
}

void Cc_edit::on_drop_files(HDROP drop) {
  wchar_t path[MAX_PATH] = {};
  DragQueryFileW(drop, 0, path, MAX_PATH);
  DragFinish(drop);
  set_text_lines(resolve_shortcut(path));
}

namespace {

// The box's whole text as it holds it; empty when unbound.
std::wstring whole_text(HWND edit) {
  if (edit == nullptr) return std::wstring();
  const auto length = static_cast<std::size_t>(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0));
  std::vector<wchar_t> buffer(length + 16, L'\0');
  const auto copied = SendMessageW(edit, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return std::wstring(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

}  // namespace

std::wstring Cc_edit::get_text_lines() const {
  return replace_all_copy(whole_text(hwnd), L"\r\n", L"\n");
}

void Cc_edit::set_text_lines(const std::wstring& text) {
  if (hwnd == nullptr) return;
  const std::wstring wanted = replace_all_copy(text, L"\n", L"\r\n");
  if (whole_text(hwnd) != wanted) SetWindowTextW(hwnd, wanted.c_str());
}

}  // namespace ZOR
