// Binding of objects to windows, the shared static procedure and the default handling.
#include "lib/window/window_base.h"

#include <prsht.h>

#include <algorithm>

#include "lib/error/error.h"
#include "lib/text/text.h"
#include "lib/window/application.h"
#include "lib/window/geometry.h"

namespace ZOR {

namespace {

const wchar_t this_property[] = L"this";

// Removes every occurrence of window from list.
void erase_handle(std::vector<HWND>& list, HWND window) {
  list.erase(std::remove(list.begin(), list.end(), window), list.end());
}

// The object a creation message names when the window carries no object yet.
C_window_base* object_from_creation(UINT message, LPARAM lparam) {
  if (lparam == 0) return nullptr;
  if (message == WM_NCCREATE || message == WM_CREATE) {
    return static_cast<C_window_base*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
  }
  if (message != WM_INITDIALOG) return nullptr;
  // A property-sheet page passes its page record; the object is that record's lParam. Any
  // other WM_INITDIALOG parameter is the object itself, whose first bytes are its vtable
  // pointer and never a page record's small size.
  const auto* page = reinterpret_cast<const PROPSHEETPAGEW*>(lparam);
  if (page->dwSize >= PROPSHEETPAGEW_V1_SIZE && page->dwSize <= sizeof(PROPSHEETPAGEW)) {
    return reinterpret_cast<C_window_base*>(page->lParam);
  }
  return reinterpret_cast<C_window_base*>(lparam);
}

WNDPROC static_proc_pointer() { return &static_window_proc; }

}  // namespace

LRESULT CALLBACK static_window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* object = static_cast<C_window_base*>(GetPropW(hwnd, this_property));
  if (object == nullptr) {
    object = object_from_creation(message, lparam);
    if (object == nullptr) {
      return has_dialog_procedure(hwnd) ? 0 : DefWindowProcW(hwnd, message, wparam, lparam);
    }
    object->attach(hwnd);
  }
  object->window_proc_pre(message, wparam, lparam);
  LRESULT result = object->window_proc(message, wparam, lparam);
  if (message == WM_DESTROY) object->detach();
  return result;
}

bool has_dialog_procedure(HWND hwnd) {
  if (hwnd == nullptr) return false;
  wchar_t class_name[16] = {};
  if (GetClassNameW(hwnd, class_name, 16) == 0 || std::wstring(class_name) != L"#32770") return false;
  return GetWindowLongPtrW(hwnd, DWLP_DLGPROC) != 0;
}

C_window_base::~C_window_base() {
  destroy_icons();
  detach();
  children.clear();
}

void C_window_base::window_proc_pre(UINT message, WPARAM, LPARAM) {
  if (message == WM_CREATE) register_created_window();
}

LRESULT C_window_base::window_proc(UINT message, WPARAM wparam, LPARAM lparam) {
  if (hwnd == nullptr) return 0;
  switch (message) {
    case WM_DESTROY:
      if (snap) erase_handle(snap_list, hwnd);
      erase_handle(application.window_list, hwnd);
      if (application.main_window == hwnd) PostQuitMessage(0);
      break;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      break;
    case WM_SYSCOMMAND:
      if ((wparam & 0xF010) != 0) end_snap_drag();
      break;
    case WM_SIZING:
      if (snap) snap_sizing_rect(*this, wparam, *reinterpret_cast<RECT*>(lparam));
      if (limit_min_size) apply_min_size(*this, wparam, *reinterpret_cast<RECT*>(lparam));
      break;
    case WM_MOVING:
      if (snap) snap_moving_rect(*this, *reinterpret_cast<RECT*>(lparam));
      break;
    default:
      break;
  }
  return call_default(message, wparam, lparam);
}

bool C_window_base::attach(HWND window) {
  if (window == nullptr) return true;
  if (hwnd != nullptr && hwnd != window) detach();
  hwnd = window;
  SetPropW(window, this_property, this);
  HWND parent = reinterpret_cast<HWND>(GetWindowLongPtrW(window, GWLP_HWNDPARENT));
  if (parent != nullptr && GetPropW(parent, this_property) != nullptr) {
    GetWindowRect(window, &rect_in_parent);
    ScreenToClient(parent, reinterpret_cast<POINT*>(&rect_in_parent.left));
    ScreenToClient(parent, reinterpret_cast<POINT*>(&rect_in_parent.right));
  }
  is_dialog = has_dialog_procedure(window);
  const int slot = is_dialog ? DWLP_DLGPROC : GWLP_WNDPROC;
  auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, slot));
  if (current != static_proc_pointer()) {
    prev_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, slot, reinterpret_cast<LONG_PTR>(static_proc_pointer())));
  }
  return true;
}

void C_window_base::detach() {
  if (hwnd == nullptr) return;
  if (prev_proc != nullptr) {
    SetWindowLongPtrW(hwnd, is_dialog ? DWLP_DLGPROC : GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prev_proc));
    prev_proc = nullptr;
  }
  RemovePropW(hwnd, this_property);
  // The parent's list of children must not keep a pointer to an object that may go away.
  auto* parent = static_cast<C_window_base*>(GetPropW(GetAncestor(hwnd, GA_PARENT), this_property));
  if (parent != nullptr) {
    auto& siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  // A window unbound while it still exists is no longer served by the pump either.
  erase_handle(application.window_list, hwnd);
  erase_handle(snap_list, hwnd);
  if (application.main_window == hwnd) set_main_window_handle(nullptr);
  hwnd = nullptr;
}

LRESULT C_window_base::call_default(UINT message, WPARAM wparam, LPARAM lparam) {
  if (hwnd == nullptr) return 0;
  if (prev_proc != nullptr) return CallWindowProcW(prev_proc, hwnd, message, wparam, lparam);
  if (is_dialog) return 0;
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

bool C_window_base::create_child(const std::wstring& window_name, const std::wstring& window_class,
                                 const std::wstring& text, HWND parent) {
  if (hwnd != nullptr) return true;
  const DWORD style = WS_CHILD | WS_TABSTOP;
  const DWORD ex_style = WS_EX_NOPARENTNOTIFY;
  RECT rect = {};
  AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  HWND window = CreateWindowExW(ex_style, window_class.c_str(), text.c_str(), style, 0, 0,
                                rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                                application.instance, this);
  if (window == nullptr) {
    set_win32_error(L"CreateWindowEx");
    return false;
  }
  name = window_name;
  limit_min_size = false;
  snap = false;
  return attach(window);
}

void C_window_base::register_created_window() {
  GetWindowRect(hwnd, &create_window_rect);
  GetClientRect(hwnd, &create_client_rect);
  auto& list = application.window_list;
  if (std::find(list.begin(), list.end(), hwnd) == list.end()) list.push_back(hwnd);
}

void C_window_base::close() {
  if (hwnd != nullptr) SendMessageW(hwnd, WM_CLOSE, 0, 0);
}

void C_window_base::destroy() {
  if (hwnd != nullptr) DestroyWindow(hwnd);
}

void C_window_base::set_main_window() {
  if (hwnd != nullptr) set_main_window_handle(hwnd);
}

void C_window_base::set_focus() {
  if (hwnd != nullptr) SetFocus(hwnd);
}

void C_window_base::set_active() {
  if (hwnd != nullptr) SetActiveWindow(hwnd);
}

void C_window_base::set_foreground() {
  if (hwnd != nullptr) SetForegroundWindow(hwnd);
}

void C_window_base::set_show(bool show) {
  if (hwnd == nullptr) return;
  const bool visible = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
  if (visible != show) ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
}

void C_window_base::set_enable(bool enable) {
  if (hwnd == nullptr) return;
  if ((IsWindowEnabled(hwnd) != FALSE) != enable) EnableWindow(hwnd, enable ? TRUE : FALSE);
}

std::wstring C_window_base::get_text() const {
  if (hwnd == nullptr) return std::wstring();
  wchar_t buffer[1024] = {};
  int length = GetWindowTextW(hwnd, buffer, 1024);
  return std::wstring(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

void C_window_base::set_text(const std::wstring& text) {
  if (hwnd == nullptr) return;
  if (get_text() != text) SetWindowTextW(hwnd, text.c_str());
}

void C_window_base::set_text_lines(const std::wstring& text) {
  set_text(replace_all_copy(text, L"\n", L"\r\n"));
}

RECT C_window_base::get_rect_in_parent() const {
  RECT rect = {};
  if (hwnd == nullptr) return rect;
  GetWindowRect(hwnd, &rect);
  MapWindowPoints(nullptr, GetAncestor(hwnd, GA_PARENT), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void C_window_base::set_client_size(int width, int height) {
  if (hwnd == nullptr) return;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
  // A child window's "menu" is its control id, never a menu bar.
  const bool has_menu = (style & WS_CHILD) == 0 && GetMenu(hwnd) != nullptr;
  RECT rect = {0, 0, width, height};
  AdjustWindowRectEx(&rect, style, has_menu ? TRUE : FALSE, ex_style);
  SetWindowPos(hwnd, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void C_window_base::set_window_rect(int x, int y, int width, int height) {
  if (hwnd != nullptr) SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void C_window_base::set_font(HFONT font) {
  if (hwnd != nullptr) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void C_window_base::set_icon(int icon_id) {
  if (hwnd == nullptr) return;
  destroy_icons();
  auto load = [icon_id](int size) {
    HANDLE icon = LoadImageW(application.instance, MAKEINTRESOURCEW(icon_id), IMAGE_ICON, size, size,
                             LR_DEFAULTCOLOR);
    if (icon == nullptr) {
      icon = LoadImageW(application.instance, MAKEINTRESOURCEW(icon_id), IMAGE_ICON, 0, 0,
                        LR_DEFAULTCOLOR | LR_DEFAULTSIZE);
    }
    return static_cast<HICON>(icon);
  };
  window_icon_large = load(32);
  set_class_icon(window_icon_large);
  window_icon_small = load(16);
  set_class_small_icon(window_icon_small);
}

void C_window_base::set_class_icon(HICON icon) {
  if (hwnd != nullptr) SetClassLongPtrW(hwnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
}

void C_window_base::set_class_small_icon(HICON icon) {
  if (hwnd != nullptr) SetClassLongPtrW(hwnd, GCLP_HICONSM, reinterpret_cast<LONG_PTR>(icon));
}

void C_window_base::destroy_icons() {
  if (window_icon_large != nullptr) DestroyIcon(window_icon_large);
  if (window_icon_small != nullptr) DestroyIcon(window_icon_small);
  window_icon_large = nullptr;
  window_icon_small = nullptr;
}

C_control::C_control(const std::wstring& window_class) : class_name(window_class) { anchor = 7; }

}  // namespace ZOR
