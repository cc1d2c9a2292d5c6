// Chronicle end-to-end tests: a folder of the test's own holding a copy of Chronicle.exe,
// the running program, and what a user does with its window (run, save, read the list).
#ifndef TESTS_E2E_CHRONICLE_CHRONICLE_SUPPORT_H
#define TESTS_E2E_CHRONICLE_CHRONICLE_SUPPORT_H

#include <windows.h>

#include <string>

#include "tests/driver/driver.h"

namespace chronicle_test {

extern const wchar_t window_title[];
// Item ids of Chronicle's window, as the tests address them.
enum Chronicle_item { log_list = 1006, run_button = 1007, save_button = 1008 };

// A temporary folder with Chronicle.exe copied into it (Chronicle looks beside itself).
class Cplace {
 public:
  Cplace();
  const driver::Ctemp_folder& folder() const { return folder_; }
  std::wstring operator/(const std::wstring& relative) const { return folder_ / relative; }
  std::wstring chronicle() const { return folder_ / L"Chronicle.exe"; }

 private:
  driver::Ctemp_folder folder_;
};

// Chronicle.exe under test.
class Cchronicle {
 public:
  // Starts the copy in place and waits for its window; false (test failure) when either fails.
  bool open(const Cplace& place);
  // Starts the copy without waiting (for start-up messages).
  bool start(const Cplace& place);
  DWORD id() const { return process.id(); }

  // The list's row count (LVM_GETITEMCOUNT), -1 when the window is gone.
  int row_count() const;
  // Waits until the list holds count rows; false (test failure) on timeout.
  bool wait_rows(int count) const;
  // Whether the last row is within the list's visible rows.
  bool last_row_shown() const;
  // Presses "ログを保存する", saves as path in the save dialog, and returns the file's
  // bytes once written. When path exists, the replace question is answered with Yes.
  std::string save_log(const std::wstring& path);
  // Presses "実行"; false (test failure) when the button cannot be pressed.
  bool run();
  // Waits for the main window to be gone and checks exit code 0.
  void expect_exit();

  driver::Cprocess process;
  HWND window = nullptr;
};

// The save dialog's file-name box (the explorer-style combo box, else the plain edit box).
HWND file_name_box(HWND dialog);
// Fills the save dialog titled title with path and presses its save button; when path
// exists, answers the replace question with Yes. False (test failure) when a step fails.
bool save_in_dialog(DWORD process_id, const std::wstring& title, const std::wstring& path,
                    const std::wstring& preset_name);
// The window of the engine copy at engine_path once it runs (its main window, of the class
// "lumora_engine_main_window_..."), with the engine process taken into owner, so that a
// failing test never leaves it running. Null (test failure) when none comes in time.
HWND wait_engine(const std::wstring& engine_path, driver::Cprocess& owner);

}  // namespace chronicle_test

#endif
