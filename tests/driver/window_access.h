// Test driver: finding the windows of a process and reading and operating their controls.
#ifndef ZOR_TESTS_DRIVER_WINDOW_ACCESS_H
#define ZOR_TESTS_DRIVER_WINDOW_ACCESS_H

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/driver/process.h"

namespace driver {

// Every function here works on windows of another process (or of the test's own). A
// process id of 0 stands for any process. Messages are sent with a timeout, so a hung
// program makes a test fail instead of hanging it; failures of the "wait" and "click"
// functions are reported as test failures (with the windows of the process) and return
// null or false, so a test can ASSERT on the result.

// Top-level windows of the process in z-order, hidden ones included.
std::vector<HWND> top_level_windows(DWORD process_id);
// The first visible top-level window of the process whose title (when title is not
// empty) and class name (when class_name is not empty) are exactly these; null if none.
HWND find_window(DWORD process_id, const std::wstring& title,
                 const std::wstring& class_name = L"");
// find_window repeated until it finds one or timeout_ms runs out (then: test failure, null).
HWND wait_window(DWORD process_id, const std::wstring& title,
                 const std::wstring& class_name = L"", DWORD timeout_ms = default_timeout_ms);
// The first visible dialog of the process with this title that has the item item_id (a
// message box never counts), waited for until timeout_ms runs out (then: test failure, null).
HWND wait_dialog(DWORD process_id, const std::wstring& title, int item_id,
                 DWORD timeout_ms = default_timeout_ms);
// Waits until window no longer exists; false (test failure) on timeout.
bool wait_window_gone(HWND window, DWORD timeout_ms = default_timeout_ms);
// Process that owns window, 0 when it does not exist.
DWORD window_process(HWND window);

// Class name of a window ("#32770", "Button"...).
std::wstring class_name_of(HWND window);
// Text of a window or control (WM_GETTEXT); empty when it does not exist.
std::wstring text_of(HWND window);
// Dialog item (GetDlgItem), null when dialog has none with this id.
HWND item(HWND dialog, int id);
// Text of a dialog item; empty when the item does not exist.
std::wstring item_text(HWND dialog, int id);
// BM_GETCHECK of a check box or radio button: BST_UNCHECKED, BST_CHECKED or
// BST_INDETERMINATE; -1 when the item does not exist.
int check_state(HWND dialog, int id);
bool is_checked(HWND dialog, int id);

// Position and range of a progress bar (PBM_GETPOS, PBM_GETRANGE); all -1 when missing.
struct Cprogress {
  int position = -1;
  int low = -1;
  int high = -1;
};
Cprogress progress_of(HWND dialog, int id);

// Whether a window exists and is enabled (IsWindowEnabled) / visible (IsWindowVisible:
// the window and all its parents).
bool is_enabled(HWND window);
bool is_visible(HWND window);

// Clicks a button as a user would: refused (false, test failure) when the item is
// missing, disabled, hidden, or its dialog is disabled (behind a modal box). The click is
// sent (BM_CLICK, SendMessageCallbackW) without blocking the test: click returns when the
// button's handler has returned, when the process shows a new visible top-level window (a
// message box or modal dialog that the handler opened and now waits for), or when the
// button is gone or hidden (its dialog closed or hid itself); on timeout: test failure.
bool click(HWND dialog, int id, DWORD timeout_ms = default_timeout_ms);
// The same for a button found by its window handle (a button made without an id).
bool click_window(HWND button, DWORD timeout_ms = default_timeout_ms);
// Posts the click and returns at once, for handlers that work long (a copy that the test
// wants to watch or cancel). Refused like click.
bool post_click(HWND dialog, int id);
// Replaces an edit's text (WM_SETTEXT, so the dialog gets EN_CHANGE). False when missing.
bool set_item_text(HWND dialog, int id, const std::wstring& text);
// Asks a window to close (posts WM_CLOSE). False when it does not exist.
bool close_window(HWND window);

// Waits until the dialog item shows text; false (test failure naming what it shows) on
// timeout.
bool wait_item_text(HWND dialog, int id, const std::wstring& text, DWORD timeout_ms = default_timeout_ms);

// Puts the mouse cursor at (x, y) in screen coordinates and waits until the system reports
// it there on several looks in a row: the display may still deliver pointer motion from an
// earlier placement, which would move it back. False when it does not settle.
bool place_cursor(LONG x, LONG y);
// The colour on screen at x, y of window's client area, as 0xRRGGBB.
std::uint32_t screen_colour(HWND window, int x, int y);

// Lines describing the top-level windows of a process (class, title, visibility), for
// failure messages.
std::wstring describe_windows(DWORD process_id);

}  // namespace driver

#endif
