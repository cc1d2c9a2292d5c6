// Setup end-to-end tests: a sample disc of the test's own, Setup started on it, and checks.
#ifndef TESTS_E2E_SETUP_SETUP_SUPPORT_H
#define TESTS_E2E_SETUP_SETUP_SUPPORT_H

#include <windows.h>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "tests/driver/driver.h"
#include "tests/driver/response_probe.h"
#include "tests/driver/snapshot.h"

namespace setup_test {

// The sample disc's title (tests\data\disc1) and of the two-disc variant (disc2).
extern const wchar_t disc1_title[];
extern const wchar_t disc2_title[];
extern const wchar_t admin_hint[];

using driver::exists;
using driver::key_exists;
using driver::read_bytes;
using driver::stored_value;
using driver::tree_of;
using driver::write_bytes;
using driver::Cstored_value;

// A copy of a sample disc of tests\data (disc1, disc2) with a registry path of its own.
class Csample_disc : public driver::Csample_disc {
 public:
  explicit Csample_disc(const std::wstring& name = L"disc1");
  // The /mode and /dir arguments of Setup for this disc.
  std::wstring arguments(const std::wstring& mode) const;
};

using driver::make_sized_file;

// Setup.exe under test.
class Csetup {
 public:
  bool start(const std::wstring& arguments);
  // Starts Setup in mode "setup" on disc and waits for its setup dialog titled title; null
  // and a test failure when either fails.
  HWND open_setup_dialog(const Csample_disc& disc, const std::wstring& title);
  DWORD id() const { return process.id(); }

  // Waits for the visible dialog of the process with this title that has item_id (a
  // message box never has); null and a test failure on timeout.
  HWND wait_dialog(const std::wstring& title, int item_id, DWORD timeout_ms = driver::default_timeout_ms);
  // Waits for the next message box, checks caption, text and icon, answers it with
  // answer. False when it did not come.
  bool expect_box(const std::wstring& caption, const std::wstring& text, driver::Box_icon icon, int answer);
  // Waits for the end of the program and checks its exit code 0.
  void expect_exit();

  driver::Cprocess process;
  // When set, the folder that Setup gets as its temporary folder (TMP and TEMP), so that a
  // test can see any temporary file it leaves.
  std::wstring temp_folder;
};

// Control ids of Setup's dialogs, as the tests address them.
enum Setup_item {
  destination_box = 1001, change_button = 1002, free_space_text = 1003, full_radio = 1006, min_radio = 1007,
  full_size_text = 1008, min_size_text = 1009, start_button = 1010, close_button = 1011, total_bar = 1011,
  file_bar = 1012, cancel_button = 1013, status_text = 1014, uninstall_button = 1015,
};

// Opens Setup's folder browser from the setup dialog, has the hook select folder there and
// presses OK (or Cancel when folder is empty); then waits until the destination box shows
// expected_destination (when given). False (test failure) when a step fails.
bool choose_destination(driver::Cfolder_browser_hook& hook, Csetup& setup, HWND dialog, const std::wstring& folder,
                        const std::wstring& expected_destination = L"");

using driver::small_drive;
using driver::wait_for;
using driver::wait_item_text;

// Setup's setup dialog on a disc as the sweeps begin: Setup with a temporary folder of its
// own, the dialog open and the destination chosen below base (the install folder
// base\reg_path).
class Cprepared_setup {
 public:
  // Starts Setup on disc and chooses the destination; false (test failure) when a step fails.
  bool open(const Csample_disc& disc, const std::wstring& title, const std::wstring& base);
  // base, the disc, Setup's temporary folder and the key as they are now: what a stopped
  // install must leave as it found.
  driver::Csnapshot snapshot() const;

  driver::Ctemp_folder setup_temp;
  driver::Cfolder_browser_hook hook;
  Csetup setup;
  HWND dialog = nullptr;

 private:
  std::vector<std::wstring> folders_;
  std::wstring key_;
};

// From the setup dialog: start and Yes to the start question; false (test failure) when
// either step fails.
bool start_install(Csetup& setup, HWND dialog, const std::wstring& title);

// From the setup dialog: start and Yes to the question; returns the progress dialog (null
// and a test failure when it does not come).
HWND begin_install(Csetup& setup, HWND dialog, const std::wstring& title);

// From the setup dialog: start, Yes to the question; then waits for the completion message,
// answers it and checks the end of the program.
void install_to_completion(Csetup& setup, HWND dialog, const std::wstring& title);

// After a stopped install: answers "セットアップを中止しました。", checks that base holds
// exactly remaining, that the key is gone and the setup dialog enabled again, closes the
// dialog and checks the end of the program.
void expect_rolled_back(Csetup& setup, HWND dialog, const Csample_disc& disc, const std::wstring& title,
                        const std::wstring& base, const std::set<std::wstring>& remaining = {});

// A whole full install of disc into base through the dialogs, for tests that need an
// installed game; reg_path when the test has written another one into Setup.ini.
void install(const Csample_disc& disc, const std::wstring& title, const std::wstring& base,
             const std::wstring& reg_path = L"");

}  // namespace setup_test

#endif
