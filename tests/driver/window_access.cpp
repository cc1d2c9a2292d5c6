// Test driver: finding the windows of a process and reading and operating their controls.
#include "tests/driver/window_access.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/driver/message_box.h"

namespace driver {
namespace {

// Pause between two looks at the windows while waiting.
constexpr DWORD poll_ms = 10;

struct Enum_request {
  DWORD process_id;
  std::vector<HWND>* windows;
};

BOOL CALLBACK collect_window(HWND window, LPARAM data) {
  auto* request = reinterpret_cast<Enum_request*>(data);
  if (request->process_id == 0 || window_process(window) == request->process_id) {
    request->windows->push_back(window);
  }
  return TRUE;
}

std::wstring title_of(HWND window) {
  std::wstring title(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, &title[0], static_cast<int>(title.size()));
  title.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return title;
}

// Sends a message with the default timeout; false when it timed out or the window is gone.
bool send(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, default_timeout_ms,
                           &answer)) {
    return false;
  }
  if (result) *result = static_cast<LRESULT>(answer);
  return true;
}

std::vector<HWND> visible_windows(DWORD process_id) {
  std::vector<HWND> windows = top_level_windows(process_id);
  windows.erase(std::remove_if(windows.begin(), windows.end(),
                               [](HWND w) { return !IsWindowVisible(w); }),
                windows.end());
  return windows;
}

// Why a user could not press button, or null when they could.
const char* refusal(HWND button) {
  if (!button) return "no such item";
  if (!IsWindowVisible(button)) return "the item is hidden";
  if (!IsWindowEnabled(button)) return "the item is disabled";
  if (!IsWindowEnabled(GetAncestor(button, GA_ROOT))) return "its window is disabled (a modal window is open)";
  return nullptr;
}

// The button a user could press, or null with a test failure saying why not.
HWND pressable_button(HWND dialog, int id, const char* operation) {
  HWND button = item(dialog, id);
  if (const char* reason = refusal(button)) {
    ADD_FAILURE() << operation << " of item " << id << " of window "
                  << testing::PrintToString(title_of(dialog)) << " refused: " << reason;
    return nullptr;
  }
  return button;
}

// Serial numbers of the clicks whose handler has returned. The reply of a click may come
// after click gave up waiting for it, so it must not point into click's frame.
thread_local std::set<ULONG_PTR> finished_clicks;
thread_local ULONG_PTR click_serial = 0;

void CALLBACK click_finished(HWND, UINT, ULONG_PTR serial, LRESULT) {
  finished_clicks.insert(serial);
}

}  // namespace

std::vector<HWND> top_level_windows(DWORD process_id) {
  std::vector<HWND> windows;
  Enum_request request = {process_id, &windows};
  EnumWindows(collect_window, reinterpret_cast<LPARAM>(&request));
  return windows;
}

HWND find_window(DWORD process_id, const std::wstring& title, const std::wstring& class_name) {
  for (HWND window : visible_windows(process_id)) {
    if (!title.empty() && title_of(window) != title) continue;
    if (!class_name.empty() && class_name_of(window) != class_name) continue;
    return window;
  }
  return nullptr;
}

HWND wait_window(DWORD process_id, const std::wstring& title, const std::wstring& class_name,
                 DWORD timeout_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  for (;;) {
    if (HWND window = find_window(process_id, title, class_name)) return window;
    if (GetTickCount64() >= deadline) break;
    Sleep(poll_ms);
  }
  ADD_FAILURE() << "no visible window titled " << testing::PrintToString(title) << " of class "
                << testing::PrintToString(class_name) << " in process " << process_id
                << " within " << timeout_ms << " ms; its windows:\n"
                << testing::PrintToString(describe_windows(process_id));
  return nullptr;
}

HWND wait_dialog(DWORD process_id, const std::wstring& title, int item_id, DWORD timeout_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  for (;;) {
    for (HWND window : top_level_windows(process_id)) {
      if (is_visible(window) && text_of(window) == title && item(window, item_id) && !is_message_box(window)) {
        return window;
      }
    }
    if (GetTickCount64() >= deadline) break;
    Sleep(poll_ms);
  }
  ADD_FAILURE() << "no visible dialog titled " << testing::PrintToString(title) << " with item " << item_id
                << " in process " << process_id << " within " << timeout_ms << " ms; its windows:\n"
                << testing::PrintToString(describe_windows(process_id));
  return nullptr;
}

bool wait_window_gone(HWND window, DWORD timeout_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  while (IsWindow(window)) {
    if (GetTickCount64() >= deadline) {
      ADD_FAILURE() << "window " << testing::PrintToString(title_of(window))
                    << " still exists after " << timeout_ms << " ms";
      return false;
    }
    Sleep(poll_ms);
  }
  return true;
}

DWORD window_process(HWND window) {
  DWORD process_id = 0;
  if (!GetWindowThreadProcessId(window, &process_id)) return 0;
  return process_id;
}

std::wstring class_name_of(HWND window) {
  wchar_t name[256] = L"";
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::wstring text_of(HWND window) {
  LRESULT length = 0;
  if (!window || !send(window, WM_GETTEXTLENGTH, 0, 0, &length)) return L"";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT copied = 0;
  if (!send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), &copied)) {
    return L"";
  }
  text.resize(std::min(static_cast<size_t>(copied), text.size() - 1));
  return text;
}

HWND item(HWND dialog, int id) { return dialog ? GetDlgItem(dialog, id) : nullptr; }

std::wstring item_text(HWND dialog, int id) { return text_of(item(dialog, id)); }

int check_state(HWND dialog, int id) {
  LRESULT state = -1;
  HWND control = item(dialog, id);
  if (!control || !send(control, BM_GETCHECK, 0, 0, &state)) return -1;
  return static_cast<int>(state);
}

bool is_checked(HWND dialog, int id) { return check_state(dialog, id) == BST_CHECKED; }

Cprogress progress_of(HWND dialog, int id) {
  Cprogress progress;
  HWND bar = item(dialog, id);
  LRESULT position = 0;
  LRESULT low = 0;
  LRESULT high = 0;
  // PBM_GETRANGE with a null PBRANGE returns the low (wParam TRUE) or high limit: no
  // pointer has to cross the process boundary.
  if (bar && send(bar, PBM_GETPOS, 0, 0, &position) && send(bar, PBM_GETRANGE, TRUE, 0, &low) &&
      send(bar, PBM_GETRANGE, FALSE, 0, &high)) {
    progress.position = static_cast<int>(position);
    progress.low = static_cast<int>(low);
    progress.high = static_cast<int>(high);
  }
  return progress;
}

bool is_enabled(HWND window) { return window && IsWindow(window) && IsWindowEnabled(window); }

bool is_visible(HWND window) { return window && IsWindowVisible(window); }

bool click(HWND dialog, int id, DWORD timeout_ms) {
  HWND button = pressable_button(dialog, id, "click");
  return button && click_window(button, timeout_ms);
}

bool click_window(HWND button, DWORD timeout_ms) {
  if (const char* reason = refusal(button)) {
    ADD_FAILURE() << "click of button " << testing::PrintToString(text_of(button)) << " refused: " << reason;
    return false;
  }
  const DWORD process_id = window_process(button);
  const std::vector<HWND> before = visible_windows(process_id);
  const ULONG_PTR serial = ++click_serial;
  if (!SendMessageCallbackW(button, BM_CLICK, 0, 0, click_finished, serial)) {
    ADD_FAILURE() << "SendMessageCallbackW(BM_CLICK) failed with error " << GetLastError();
    return false;
  }
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  for (;;) {
    // The reply arrives as a callback dispatched while this thread looks at its messages.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    if (finished_clicks.erase(serial)) return true;
    if (!IsWindowVisible(button)) return true;
    for (HWND window : visible_windows(process_id)) {
      if (std::find(before.begin(), before.end(), window) == before.end()) return true;
    }
    if (GetTickCount64() >= deadline) break;
    Sleep(poll_ms);
  }
  ADD_FAILURE() << "the click on " << testing::PrintToString(text_of(button)) << " was not handled within "
                << timeout_ms << " ms and opened no window; windows of the process:\n"
                << testing::PrintToString(describe_windows(process_id));
  return false;
}

bool post_click(HWND dialog, int id) {
  HWND button = pressable_button(dialog, id, "post_click");
  return button && PostMessageW(button, BM_CLICK, 0, 0);
}

bool set_item_text(HWND dialog, int id, const std::wstring& text) {
  HWND control = item(dialog, id);
  LRESULT result = FALSE;
  return control && send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &result) &&
         result == TRUE;
}

bool close_window(HWND window) { return window && PostMessageW(window, WM_CLOSE, 0, 0); }

bool wait_item_text(HWND dialog, int id, const std::wstring& text, DWORD timeout_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  while (item_text(dialog, id) != text) {
    if (GetTickCount64() > deadline) {
      ADD_FAILURE() << "item " << id << " shows " << testing::PrintToString(item_text(dialog, id)) << ", not "
                    << testing::PrintToString(text);
      return false;
    }
    Sleep(poll_ms);
  }
  return true;
}

bool place_cursor(LONG x, LONG y) {
  int steady = 0;
  SetCursorPos(x, y);
  for (int attempt = 0; attempt < 500 && steady < 5; ++attempt) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(2);
    POINT now;
    GetCursorPos(&now);
    if (now.x == x && now.y == y) {
      ++steady;
    } else {
      steady = 0;
      SetCursorPos(x, y);
    }
  }
  return steady >= 5;
}

std::wstring describe_windows(DWORD process_id) {
  std::wstring lines;
  for (HWND window : top_level_windows(process_id)) {
    lines += L"  [" + class_name_of(window) + L"] \"" + title_of(window) + L"\"" +
             (IsWindowVisible(window) ? L" visible" : L" hidden") +
             (IsWindowEnabled(window) ? L"" : L" disabled") + L"\n";
  }
  return lines.empty() ? L"  (none)\n" : lines;
}

std::uint32_t screen_colour(HWND window, int x, int y) {
  POINT point = {x, y};
  ClientToScreen(window, &point);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) | (static_cast<std::uint32_t>(GetGValue(colour)) << 8) |
         GetBValue(colour);
}

}  // namespace driver
