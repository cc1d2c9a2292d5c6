// Starting a real child (the recorder stand-in) through CreateProcessW and ShellExecuteExW,
// waiting for it while the test's own windows keep being served, and finding its window.
#include "lib/launch/process.h"

#include <gtest/gtest.h>

#include "lib/error/error.h"
#include "tests/driver/driver.h"
#include "tests/support/window_testing.h"

namespace {

const UINT close_child_message = WM_APP + 1;
const wchar_t helper_class[] = L"zor_launch_test_helper";

// A window of the test's thread: close_child_message asks the child's window (wparam) to
// close, so the child ends only if the wait hands this window its messages.
LRESULT CALLBACK helper_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == close_child_message) {
    PostMessageW(reinterpret_cast<HWND>(wparam), WM_CLOSE, 0, 0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

HWND create_helper_window() {
  WNDCLASSW window_class = {};
  window_class.lpfnWndProc = helper_proc;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = helper_class;
  RegisterClassW(&window_class);
  return CreateWindowExW(0, helper_class, L"helper", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

ZOR::Cerror_info last_error() {
  ZOR::Cerror_info error;
  EXPECT_TRUE(ZOR::get_last_error(error));
  return error;
}

TEST(Process, StartsWaitsAndRecordsAFailedStart) {
  driver::Ctemp_folder folder;
  const std::wstring program = folder / L"Kickoff.exe";
  ASSERT_TRUE(driver::install_recorder(program));
  const std::wstring command_line = L"\"" + program + L"\" /dir=\"C:\\\\Disc\\\\SetupData\"";

  ZOR::Cprocess process;
  ASSERT_TRUE(ZOR::start_process(command_line, process)) << ZOR::get_last_error_text();
  EXPECT_TRUE(process.is_open());
  EXPECT_NE(process.id(), 0u);
  ASSERT_TRUE(ZOR::wait_process(process, driver::default_timeout_ms)) << ZOR::get_last_error_text();
  EXPECT_TRUE(process.has_ended());
  DWORD code = STILL_ACTIVE;
  ASSERT_TRUE(process.exit_code(code));
  EXPECT_EQ(code, 0u);
  const auto records = driver::read_start_records(program);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].program, program);
  EXPECT_EQ(records[0].command_line, command_line);

  // A moved owner takes the handle along; the emptied one owns nothing.
  ZOR::Cprocess moved(std::move(process));
  EXPECT_FALSE(process.is_open());
  EXPECT_TRUE(moved.is_open());
  EXPECT_TRUE(process.has_ended()) << "an empty owner has nothing running";

  ZOR::clear_last_error();
  EXPECT_FALSE(ZOR::start_process(L"\"" + (folder / L"missing.exe") + L"\"", moved));
  EXPECT_FALSE(moved.is_open()) << "a failed start leaves the owner empty";
  const ZOR::Cerror_info error = last_error();
  EXPECT_EQ(error.kind, ZOR::Cerror_info::kind_win32);
  EXPECT_EQ(error.code, ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(error.operation, L"CreateProcess");

  ZOR::clear_last_error();
  EXPECT_FALSE(ZOR::wait_process(moved)) << "nothing to wait for";
  EXPECT_EQ(last_error().operation, L"wait_process");
}

TEST(Process, WaitKeepsServingTheTestsWindowsUntilTheChildsWindowCloses) {
  driver::Ctemp_folder folder;
  const std::wstring program = folder / L"DXSETUP.exe";
  ASSERT_TRUE(driver::install_recorder(program, true));
  ZOR::Cprocess process;
  ASSERT_TRUE(ZOR::shell_execute(nullptr, program, L"/window", &process, ZOR::Cshell_failure::caller_reports)) << ZOR::get_last_error_text();
  ASSERT_TRUE(process.is_open()) << "the shell hands the process back";

  HWND child_window = nullptr;
  ASSERT_TRUE(zor_test::pump_until(
      [&] { return (child_window = ZOR::find_process_window(process.id(), ZOR::Cwindow_filter::visible_only)) != nullptr; },
      driver::default_timeout_ms));
  EXPECT_EQ(driver::class_name_of(child_window), L"zor_recorder_window");
  EXPECT_NE(ZOR::find_process_window(process.id(), ZOR::Cwindow_filter::any), nullptr);
  EXPECT_FALSE(process.has_ended());

  ZOR::clear_last_error();
  EXPECT_FALSE(ZOR::wait_process(process, 300)) << "the child stays until its window closes";
  const ZOR::Cerror_info timeout = last_error();
  EXPECT_EQ(timeout.code, WAIT_TIMEOUT);
  EXPECT_EQ(timeout.operation, L"MsgWaitForMultipleObjectsEx");

  HWND helper = create_helper_window();
  ASSERT_NE(helper, nullptr);
  PostMessageW(helper, close_child_message, reinterpret_cast<WPARAM>(child_window), 0);
  EXPECT_TRUE(ZOR::wait_process(process, driver::default_timeout_ms)) << ZOR::get_last_error_text();
  DestroyWindow(helper);
  EXPECT_EQ(ZOR::find_process_window(process.id(), ZOR::Cwindow_filter::any), nullptr);

  const auto records = driver::read_start_records(program);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].command_line.substr(records[0].command_line.size() - 7), L"/window");
}

TEST(Process, FailedShellStartKeepsItsCodeForTheCaller) {
  driver::Ctemp_folder folder;
  const std::wstring missing = folder / L"missing.exe";
  // Wine's shell shows a box of its own before it returns; it is answered from here.
  HANDLE answerer = CreateThread(
      nullptr, 0,
      [](LPVOID) -> DWORD {
        const driver::Cmessage_box box = driver::wait_message_box(GetCurrentProcessId());
        if (box.window != nullptr) driver::answer_message_box(box, IDOK);
        return 0;
      },
      nullptr, 0, nullptr);
  ZOR::Cprocess process;
  ZOR::clear_last_error();
  const bool started = ZOR::shell_execute(nullptr, missing, L"", &process, ZOR::Cshell_failure::shell_reports);
  const DWORD code = GetLastError();
  WaitForSingleObject(answerer, driver::default_timeout_ms);
  CloseHandle(answerer);
  EXPECT_FALSE(started);
  EXPECT_FALSE(process.is_open());
  const ZOR::Cerror_info error = last_error();
  EXPECT_EQ(error.kind, ZOR::Cerror_info::kind_win32);
  EXPECT_EQ(error.operation, L"ShellExecuteEx");
  EXPECT_EQ(error.code, ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(code, static_cast<DWORD>(error.code)) << "the last-error value survives the record";
}

}  // namespace
