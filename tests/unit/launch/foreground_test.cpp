// bring_to_front on the test's own windows: while its own thread has the foreground, and
// after a window of another process took it.
#include "lib/launch/foreground.h"

#include <gtest/gtest.h>

#include "tests/driver/driver.h"
#include "tests/support/window_testing.h"

namespace {

const wchar_t window_class[] = L"zor_foreground_test";

HWND create_window(const wchar_t* title, DWORD visible = WS_VISIBLE) {
  WNDCLASSW info = {};
  info.lpfnWndProc = DefWindowProcW;
  info.hInstance = GetModuleHandleW(nullptr);
  info.lpszClassName = window_class;
  RegisterClassW(&info);
  return CreateWindowExW(0, window_class, title, WS_OVERLAPPEDWINDOW | visible, 100, 100, 200, 100, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

DWORD lock_timeout() {
  DWORD timeout = 0;
  SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0);
  return timeout;
}

void set_lock_timeout(DWORD timeout) {
  SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<PVOID>(static_cast<UINT_PTR>(timeout)), 0);
}

class Foreground : public testing::Test {
 protected:
  // A distinctive lock time-out, so that a change or a failed restore shows.
  void SetUp() override {
    saved_timeout_ = lock_timeout();
    set_lock_timeout(test_timeout);
  }
  void TearDown() override {
    zor_test::destroy_thread_windows();
    set_lock_timeout(saved_timeout_);
  }

  static constexpr DWORD test_timeout = 123456;
  DWORD saved_timeout_ = 0;
};

TEST_F(Foreground, WindowOfTheForegroundThreadIsOnlySetForeground) {
  HWND first = create_window(L"first");
  HWND second = create_window(L"second");
  ASSERT_TRUE(SetForegroundWindow(first));
  ASSERT_EQ(GetForegroundWindow(), first);
  EXPECT_TRUE(ZOR::bring_to_front(second));
  EXPECT_EQ(GetForegroundWindow(), second);
  EXPECT_EQ(lock_timeout(), test_timeout);
}

TEST_F(Foreground, WindowComesToTheFrontWhenNothingIsInTheForeground) {
  HWND own = create_window(L"own", 0);
  HWND gone = create_window(L"gone");
  ASSERT_TRUE(SetForegroundWindow(gone));
  DestroyWindow(gone);
  ShowWindow(own, SW_SHOWNA);
  ASSERT_EQ(GetForegroundWindow(), nullptr) << "no foreground window after the foreground one is gone";
  EXPECT_TRUE(ZOR::bring_to_front(own));
  EXPECT_EQ(GetForegroundWindow(), own);
  EXPECT_EQ(lock_timeout(), test_timeout);
}

TEST_F(Foreground, OwnWindowComesBackInFrontOfAnotherProcessAndTheTimeoutIsRestored) {
  HWND own = create_window(L"own");
  driver::Ctemp_folder folder;
  const std::wstring program = folder / L"Setup.exe";
  ASSERT_TRUE(driver::install_recorder(program, true));
  driver::Cprocess other;
  ASSERT_TRUE(other.start(program));
  HWND other_window = driver::wait_window(other.id(), L"Setup.exe");
  ASSERT_NE(other_window, nullptr);
  ASSERT_TRUE(zor_test::pump_until([&] { return GetForegroundWindow() == other_window; }))
      << "the other process's new window takes the foreground";

  EXPECT_TRUE(ZOR::bring_to_front(own));
  EXPECT_TRUE(zor_test::pump_until([&] { return GetForegroundWindow() == own; }))
      << "foreground " << GetForegroundWindow();
  EXPECT_EQ(lock_timeout(), test_timeout);
  driver::close_window(other_window);
  EXPECT_TRUE(other.wait_exit());
}

}  // namespace
