// The library's message boxes: caption, icon, buttons, owner and the returned answer.
#include "lib/error/error.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>
#include <vector>

namespace {

// What a message box showed, read by the answering thread before it pressed a button.
struct Seen_box {
  bool found = false;
  std::wstring caption;
  std::wstring text;
  HWND owner = nullptr;
  HICON icon = nullptr;
  std::vector<int> buttons;
};

std::wstring window_text(HWND window) {
  wchar_t buffer[1024] = {};
  GetWindowTextW(window, buffer, 1024);
  return buffer;
}

struct Box_search {
  DWORD thread_id;
  HWND found;
};

BOOL CALLBACK find_box(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Box_search*>(data);
  wchar_t class_name[32] = {};
  GetClassNameW(window, class_name, 32);
  if (std::wstring(class_name) == L"#32770" && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK find_icon(HWND child, LPARAM data) {
  wchar_t class_name[32] = {};
  GetClassNameW(child, class_name, 32);
  const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
  if (lstrcmpiW(class_name, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child)) {
    *reinterpret_cast<HICON*>(data) = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
  }
  return TRUE;
}

// Waits (on another thread) for the next message box of thread_id, reads it and presses button.
std::future<Seen_box> answer_next_box(DWORD thread_id, int button) {
  return std::async(std::launch::async, [thread_id, button] {
    Seen_box seen;
    Box_search search = {thread_id, nullptr};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!search.found && std::chrono::steady_clock::now() < deadline) {
      EnumThreadWindows(thread_id, find_box, reinterpret_cast<LPARAM>(&search));
      if (!search.found) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!search.found) return seen;
    HWND box = search.found;
    seen.found = true;
    seen.caption = window_text(box);
    seen.text = window_text(GetDlgItem(box, 0xFFFF));
    seen.owner = GetWindow(box, GW_OWNER);
    EnumChildWindows(box, find_icon, reinterpret_cast<LPARAM>(&seen.icon));
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
      HWND item = GetDlgItem(box, id);
      if (item && IsWindowVisible(item)) seen.buttons.push_back(id);
    }
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    return seen;
  });
}

// A plain top-level window to own message boxes.
struct Owner_window {
  HWND window = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ~Owner_window() { DestroyWindow(window); }
};

TEST(MessageBox, ShowErrorIsAnOkBoxWithTheWarningIconAndItsCaption) {
  ZOR::set_message_box_owner(nullptr);
  auto answer = answer_next_box(GetCurrentThreadId(), IDOK);
  const int result = ZOR::show_error(L"レジストリキーが設定できませんでした。\n詳細", 0);
  const Seen_box seen = answer.get();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(seen.caption, L"エラー");
  EXPECT_EQ(seen.text, L"レジストリキーが設定できませんでした。\n詳細");
  EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
  EXPECT_EQ(seen.owner, nullptr);
  EXPECT_NE(seen.icon, nullptr);
  EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_WARNING));
}

TEST(MessageBox, OwnedByTheMainWindowOnceItIsSet) {
  Owner_window main_window;
  ASSERT_NE(main_window.window, nullptr);
  ZOR::set_message_box_owner(main_window.window);
  EXPECT_EQ(ZOR::message_box_owner(), main_window.window);

  auto answer = answer_next_box(GetCurrentThreadId(), IDNO);
  const int result = ZOR::message_box(L"デスクトップにショートカットを作成しますか？", L"Setup.exe", MB_YESNO | MB_ICONQUESTION);
  Seen_box seen = answer.get();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(result, IDNO);
  EXPECT_EQ(seen.caption, L"Setup.exe");
  EXPECT_EQ(seen.owner, main_window.window);
  EXPECT_EQ(seen.buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_QUESTION));

  // show_error adds the warning icon to the style it is given and keeps the rest.
  answer = answer_next_box(GetCurrentThreadId(), IDCANCEL);
  EXPECT_EQ(ZOR::show_error(L"中止しますか？", MB_OKCANCEL), IDCANCEL);
  seen = answer.get();
  EXPECT_EQ(seen.owner, main_window.window);
  EXPECT_EQ(seen.buttons, (std::vector<int>{IDOK, IDCANCEL}));
  EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_WARNING));

  // An explicit owner wins over the main window; nullptr means no owner at all.
  answer = answer_next_box(GetCurrentThreadId(), IDOK);
  EXPECT_EQ(ZOR::message_box_owned(nullptr, L"x", L"Chronicle", MB_OK), IDOK);
  seen = answer.get();
  EXPECT_EQ(seen.caption, L"Chronicle");
  EXPECT_EQ(seen.owner, nullptr);
  EXPECT_EQ(seen.icon, nullptr);

  ZOR::set_message_box_owner(nullptr);
  EXPECT_EQ(ZOR::message_box_owner(), nullptr);
}

}  // namespace
