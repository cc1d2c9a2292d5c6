// The one window of the stand-in programs (tests/support/engine, tests/support/recorder):
// a plain visible top-level window whose destruction ends the program's message loop.
#ifndef ZOR_TESTS_SUPPORT_STAND_IN_WINDOW_H
#define ZOR_TESTS_SUPPORT_STAND_IN_WINDOW_H

#include <windows.h>

#include <string>

namespace zor_test {

inline LRESULT CALLBACK stand_in_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  // WM_CLOSE's default handling destroys the window; its end is the program's end.
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

// Registers class_name and opens a visible top-level window of it titled title; null when
// it cannot be created.
inline HWND open_stand_in_window(HINSTANCE instance, const std::wstring& class_name, const std::wstring& title) {
  WNDCLASSW window_class = {};
  window_class.lpfnWndProc = stand_in_window_proc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = class_name.c_str();
  RegisterClassW(&window_class);
  return CreateWindowExW(0, class_name.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, 480, 160,
                         nullptr, nullptr, instance, nullptr);
}

}  // namespace zor_test

#endif
