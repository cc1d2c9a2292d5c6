// Setup end-to-end tests: sample discs, registry and file checks, and the common dialog steps.
#include "tests/e2e/setup/setup_support.h"

#include <gtest/gtest.h>

#include "lib/cmdline/command_line.h"

namespace setup_test {

const wchar_t disc1_title[] = L"星降る夜の物語";
const wchar_t disc2_title[] = L"星降る夜の物語 完全版";
const wchar_t admin_hint[] =
    L"・管理者権限で実行していますか？\n　※制限ユーザではセットアップを実行することはできません。\n";

Csample_disc::Csample_disc(const std::wstring& name)
    : driver::Csample_disc(driver::source_path(L"tests\\data\\" + name + L"\\SetupData")) {}

std::wstring Csample_disc::arguments(const std::wstring& mode) const {
  return L"/mode=\"" + mode + L"\" /dir=\"" + ZOR::escape_argument_value(dir()) + L"\"";
}

bool Csetup::start(const std::wstring& arguments) {
  if (temp_folder.empty()) return process.start(driver::program_path(L"Setup.exe"), arguments);
  // Only Setup inherits them: the test's own temporary folders stay where they were.
  driver::Cenvironment_value tmp(L"TMP", temp_folder.c_str());
  driver::Cenvironment_value temp(L"TEMP", temp_folder.c_str());
  return process.start(driver::program_path(L"Setup.exe"), arguments);
}

HWND Csetup::open_setup_dialog(const Csample_disc& disc, const std::wstring& title) {
  if (!start(disc.arguments(L"setup"))) {
    ADD_FAILURE() << "Setup.exe could not be started";
    return nullptr;
  }
  return wait_dialog(title, start_button);
}

HWND Csetup::wait_dialog(const std::wstring& title, int item_id, DWORD timeout_ms) {
  return driver::wait_dialog(id(), title, item_id, timeout_ms);
}

bool Csetup::expect_box(const std::wstring& caption, const std::wstring& text, driver::Box_icon icon, int answer) {
  return driver::expect_message_box(id(), caption, text, icon, answer);
}

void Csetup::expect_exit() { driver::expect_exit_zero(process); }

bool choose_destination(driver::Cfolder_browser_hook& hook, Csetup& setup, HWND dialog, const std::wstring& folder,
                        const std::wstring& expected_destination) {
  HWND browser = nullptr;
  if (folder.empty()) {
    if (!driver::click(dialog, change_button)) return false;
    browser = driver::wait_window(setup.id(), L"セットアップ先の選択", L"#32770");
  } else {
    browser = hook.open_with_selection(setup.id(), dialog, change_button, L"セットアップ先の選択", folder);
  }
  if (!browser) return false;
  if (!driver::click(browser, folder.empty() ? IDCANCEL : IDOK) || !driver::wait_window_gone(browser)) return false;
  // The browser is gone before Setup has taken its answer; a click sent meanwhile could
  // be handled before the destination changes, which no user could do.
  WaitForInputIdle(setup.process.handle(), driver::default_timeout_ms);
  if (expected_destination.empty()) return true;
  const ULONGLONG deadline = GetTickCount64() + driver::default_timeout_ms;
  while (driver::item_text(dialog, destination_box) != expected_destination) {
    if (GetTickCount64() > deadline) {
      ADD_FAILURE() << "the destination box did not change to " << testing::PrintToString(expected_destination);
      return false;
    }
    Sleep(20);
  }
  return true;
}

bool start_install(Csetup& setup, HWND dialog, const std::wstring& title) {
  return driver::click(dialog, start_button) &&
         setup.expect_box(title, L"セットアップを開始します。よろしいですか？", driver::Box_icon::information, IDYES);
}

HWND begin_install(Csetup& setup, HWND dialog, const std::wstring& title) {
  if (!start_install(setup, dialog, title)) return nullptr;
  return setup.wait_dialog(L"セットアップ中", cancel_button);
}

void install_to_completion(Csetup& setup, HWND dialog, const std::wstring& title) {
  ASSERT_TRUE(start_install(setup, dialog, title));
  ASSERT_TRUE(setup.expect_box(title, L"セットアップが完了しました。", driver::Box_icon::information, IDOK));
  setup.expect_exit();
}

void expect_rolled_back(Csetup& setup, HWND dialog, const Csample_disc& disc, const std::wstring& title,
                        const std::wstring& base, const std::set<std::wstring>& remaining) {
  ASSERT_TRUE(setup.expect_box(title, L"セットアップを中止しました。", driver::Box_icon::warning, IDOK));
  EXPECT_EQ(tree_of(base), remaining) << testing::PrintToString(tree_of(base));
  EXPECT_FALSE(key_exists(disc.reg_key()));
  EXPECT_TRUE(driver::is_enabled(dialog));
  ASSERT_TRUE(driver::click(dialog, close_button));
  setup.expect_exit();
}

bool Cprepared_setup::open(const Csample_disc& disc, const std::wstring& title, const std::wstring& base) {
  setup.temp_folder = setup_temp.path();
  dialog = setup.open_setup_dialog(disc, title);
  if (!dialog || !choose_destination(hook, setup, dialog, base, base + L"\\" + disc.reg_path())) return false;
  folders_ = {base, disc.dir(), setup_temp.path()};
  key_ = disc.reg_key();
  return true;
}

driver::Csnapshot Cprepared_setup::snapshot() const { return driver::Csnapshot(folders_, {key_}); }

void install(const Csample_disc& disc, const std::wstring& title, const std::wstring& base,
             const std::wstring& reg_path) {
  driver::Cfolder_browser_hook hook;
  Csetup setup;
  ASSERT_TRUE(setup.start(disc.arguments(L"setup")));
  HWND dialog = setup.wait_dialog(title, start_button);
  ASSERT_TRUE(dialog);
  const std::wstring installed_path = reg_path.empty() ? disc.reg_path() : reg_path;
  ASSERT_TRUE(choose_destination(hook, setup, dialog, base, base + L"\\" + installed_path));
  install_to_completion(setup, dialog, title);
}

}  // namespace setup_test
