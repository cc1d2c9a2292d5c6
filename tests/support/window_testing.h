// Helpers for tests that open real windows in-process: a clean application record for
// every test, pumping through the library's pump until something happens, posted keys.
#ifndef ZOR_TESTS_SUPPORT_WINDOW_TESTING_H
#define ZOR_TESTS_SUPPORT_WINDOW_TESTING_H

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "lib/window/application.h"
#include "lib/window/geometry.h"

namespace zor_test {

// Destroys every top-level window of the calling thread (windows whose objects are gone).
inline void destroy_thread_windows() {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM) -> BOOL {
        DestroyWindow(window);
        return TRUE;
      },
      0);
}

// Pumps through ZOR::pump_messages until done() holds, the loop ended, or timeout_ms
// passed. Returns done().
inline bool pump_until(const std::function<bool()>& done, DWORD timeout_ms = 5000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (!ZOR::pump_messages() || GetTickCount() - start > timeout_ms) return done();
    Sleep(1);
  }
  return true;
}

// Pumps what is queued now and what handling it posts in turn.
inline void pump_pending() {
  for (int pass = 0; pass < 5; ++pass) {
    if (!ZOR::pump_messages()) return;
    Sleep(1);
  }
}

// Posts a key press (WM_KEYDOWN) to target, as the keyboard would queue it.
inline void post_key(HWND target, WPARAM key) { PostMessageW(target, WM_KEYDOWN, key, 1); }

// A test that opens windows: starts with a fresh application record and ends with no
// window of the thread left and no quit pending.
class Window_test : public testing::Test {
 protected:
  void SetUp() override {
    ZOR::init_application(GetModuleHandleW(nullptr), L"");
    reset();
  }
  void TearDown() override {
    destroy_thread_windows();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message != WM_QUIT) DispatchMessageW(&msg);
    }
    reset();
  }

 private:
  static void reset() {
    ZOR::application.quit_received = false;
    ZOR::set_main_window_handle(nullptr);
    ZOR::application.window_list.clear();
    ZOR::snap_list.clear();
    ZOR::end_snap_drag();
  }
};

}  // namespace zor_test

#endif
