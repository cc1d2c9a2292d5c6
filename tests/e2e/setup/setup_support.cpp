// Setup end-to-end tests: sample discs, registry and file checks, and the common dialog steps.
#include "tests/e2e/setup/setup_support.h"

#include <gtest/gtest.h>

#include "lib/cmdline/command_line.h"
#include "lib/text/codepage.h"

namespace setup_test {

const wchar_t disc1_title[] = L"星降る夜の物語";
const wchar_t disc2_title[] = L"星降る夜の物語 完全版";
const wchar_t admin_hint[] =
    L"・管理者権限で実行していますか？\n　※制限ユーザではセットアップを実行することはできません。\n";

namespace {

void collect_tree(const std::wstring& base, const std::wstring& relative, std::set<std::wstring>& tree) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((base + L"\\" + relative + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      tree.insert(relative + name + L"\\");
      collect_tree(base, relative + name + L"\\", tree);
    } else {
      tree.insert(relative + name);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace

std::set<std::wstring> tree_of(const std::wstring& folder) {
  std::set<std::wstring> tree;
  collect_tree(folder, L"", tree);
  return tree;
}

Csample_disc::Csample_disc(const std::wstring& name) {
  driver::copy_folder_tree(driver::source_path(L"tests\\data\\" + name + L"\\SetupData"), dir());
  CreateDirectoryW(scratch().c_str(), nullptr);
  reg_path_ = key_.path().substr(std::wstring(L"Software\\").size());
  set_ini_line(L"#REG_PATH", L"#REG_PATH = \"" + ZOR::escape_argument_value(reg_path_) + L"\"");
}

std::wstring Csample_disc::arguments(const std::wstring& mode) const {
  return L"/mode=\"" + mode + L"\" /dir=\"" + ZOR::escape_argument_value(dir()) + L"\"";
}

std::vector<std::wstring> Csample_disc::ini_lines() const {
  std::wstring text = ZOR::from_multibyte(read_bytes(dir() + L"\\Setup.ini"));
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

void Csample_disc::write_ini(const std::vector<std::wstring>& lines) const {
  std::wstring text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i == 0 ? L"" : L"\n") + lines[i];
  EXPECT_TRUE(write_bytes(dir() + L"\\Setup.ini", ZOR::to_multibyte(text)));
}

void Csample_disc::set_ini_line(const std::wstring& key, const std::wstring& line) const {
  std::vector<std::wstring> lines = ini_lines();
  bool replaced = false;
  for (std::wstring& existing : lines) {
    if (existing.compare(0, key.size(), key) == 0) {
      existing = line;
      replaced = true;
    }
  }
  if (!replaced) lines.push_back(line);
  write_ini(lines);
}

void Csample_disc::add_ini_line(const std::wstring& line) const {
  std::vector<std::wstring> lines = ini_lines();
  lines.push_back(line);
  write_ini(lines);
}

void Csample_disc::remove_ini_lines(const std::wstring& key) const {
  std::vector<std::wstring> kept;
  for (const std::wstring& line : ini_lines()) {
    if (line.compare(0, key.size(), key) != 0) kept.push_back(line);
  }
  write_ini(kept);
}

Cstored_value stored_value(const std::wstring& key_path, const std::wstring& name) {
  Cstored_value value;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key_path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
  wchar_t buffer[2048] = {};
  DWORD size = sizeof(buffer) - sizeof(wchar_t);
  if (RegQueryValueExW(key, name.c_str(), nullptr, &value.type, reinterpret_cast<BYTE*>(buffer), &size) ==
      ERROR_SUCCESS) {
    value.found = true;
    value.size = size;
    value.text.assign(buffer, size / sizeof(wchar_t));
    if (!value.text.empty() && value.text.back() == L'\0') value.text.pop_back();
  }
  RegCloseKey(key);
  return value;
}

bool key_exists(const std::wstring& key_path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key_path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

bool Csetup::start(const std::wstring& arguments) {
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

void Csetup::expect_exit() {
  DWORD exit_code = 1;
  ASSERT_TRUE(process.wait_exit(&exit_code));
  EXPECT_EQ(exit_code, 0u);
}

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
