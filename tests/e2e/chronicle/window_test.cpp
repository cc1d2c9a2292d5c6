// Chronicle's window as a user handles it: the list's context menu saving CSV (empty and
// with rows that need quoting), and sizing with the mouse: never smaller than it opened,
// and once wider, the log column fills the list with no horizontal scroll bar.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "lib/text/codepage.h"
#include "tests/e2e/chronicle/chronicle_support.h"

namespace chronicle_test {
namespace {

// Sends one mouse event at the screen point at, as the hardware would (absolute position).
void mouse(DWORD flags, POINT at) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof(input));
}

// Drags with the left button from one screen point to another in small steps.
void drag(POINT from, POINT to) {
  mouse(0, from);
  Sleep(200);
  mouse(MOUSEEVENTF_LEFTDOWN, from);
  Sleep(200);
  for (int step = 1; step <= 10; ++step) {
    mouse(0, {from.x + (to.x - from.x) * step / 10, from.y + (to.y - from.y) * step / 10});
    Sleep(50);
  }
  mouse(MOUSEEVENTF_LEFTUP, to);
  Sleep(300);
}

RECT window_rect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

// Opens the list's context menu, chooses "csv で保存", types typed as the file name and
// waits for the file path to be written.
bool save_csv(const Cchronicle& chronicle, const std::wstring& typed, const std::wstring& path) {
  HWND list = driver::item(chronicle.window, log_list);
  RECT rect = window_rect(list);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  PostMessageW(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
  HWND menu = driver::wait_window(chronicle.id(), L"", L"#32768");
  if (menu == nullptr) return false;
  PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  return save_in_dialog(chronicle.id(), L"CSV 形式で保存", typed, L"新しい CSV ファイル.csv") &&
         driver::wait_for_file(path, 0);
}

TEST(ChronicleWindow, CsvFromTheContextMenuAndSizingWithTheMouse) {
  driver::Cenvironment_value no_lines(L"ZOR_ENGINE_LOG_LINES", L"0");
  Cplace place;
  const std::wstring engine = driver::install_engine(place.folder().path());
  place.folder().folder(L"SaveData");
  ASSERT_TRUE(driver::write_bytes(place / L"SaveData\\log.txt", "say \"hi\"\na,b\n" + ZOR::to_multibyte(L"ふつう\n")));
  Cchronicle chronicle;
  ASSERT_TRUE(chronicle.open(place));

  ASSERT_TRUE(save_csv(chronicle, place / L"empty.csv", place / L"empty.csv"));
  EXPECT_EQ(driver::read_bytes(place / L"empty.csv"), "") << "an empty list gives an empty file";

  ASSERT_TRUE(chronicle.run());
  driver::Cprocess engine_process;
  ASSERT_NE(wait_engine(engine, engine_process), nullptr);
  ASSERT_TRUE(chronicle.wait_rows(3));
  ASSERT_TRUE(save_csv(chronicle, place / L"log", place / L"log.csv"));
  EXPECT_EQ(driver::read_bytes(place / L"log.csv"), "\"say \"\"hi\"\"\"\r\n\"a,b\"\r\n" + ZOR::to_multibyte(L"ふつう"))
      << "\".csv\" added; quotes doubled; no line end after the last row";

  HWND window = chronicle.window;
  HWND list = driver::item(window, log_list);
  HWND run = driver::item(window, run_button);
  const RECT opened = window_rect(window);
  const LONG width = opened.right - opened.left;
  const LONG height = opened.bottom - opened.top;
  drag({opened.right - 3, opened.bottom - 3}, {opened.right - 150, opened.bottom - 120});
  RECT now = window_rect(window);
  EXPECT_EQ(now.right - now.left, width) << "not narrower than it opened";
  EXPECT_EQ(now.bottom - now.top, height) << "not lower than it opened";
  drag({now.left + 2, now.top + 2}, {now.left + 100, now.top + 60});
  now = window_rect(window);
  EXPECT_EQ(now.right - now.left, width) << "not narrower from the top-left corner either";
  EXPECT_EQ(now.bottom - now.top, height);

  const RECT run_before = window_rect(run);
  drag({now.right - 3, now.bottom - 3}, {now.right + 197, now.bottom + 97});
  const RECT wider = window_rect(window);
  EXPECT_GT(wider.right - wider.left, width + 150) << "the drag made the window wider";
  const RECT run_after = window_rect(run);
  EXPECT_EQ(wider.right - run_after.right, now.right - run_before.right) << "実行 keeps its place at the right";
  EXPECT_EQ(wider.bottom - run_after.bottom, now.bottom - run_before.bottom) << "and at the bottom";
  RECT client = {};
  ASSERT_TRUE(driver::wait_for([&] {
    GetClientRect(list, &client);
    return SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0) == client.right;
  })) << "the log column fills the list";
  EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & WS_HSCROLL, 0) << "no horizontal scroll bar";

  // The top-left corner is a working handle too: outwards the window grows.
  drag({wider.left + 2, wider.top + 2}, {wider.left - 48, wider.top - 38});
  const RECT grown = window_rect(window);
  EXPECT_EQ(grown.right, wider.right);
  EXPECT_EQ(grown.bottom, wider.bottom);
  EXPECT_GT(grown.right - grown.left, wider.right - wider.left + 30);

  ASSERT_TRUE(driver::close_window(window));
  chronicle.expect_exit();
}

}  // namespace
}  // namespace chronicle_test
