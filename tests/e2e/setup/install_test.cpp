// Full and minimal installs of the sample disc: the setup dialog's texts, every installed
// file and folder with its bytes, reg.ini's bytes and the four registry values.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "lib/cmdline/command_line.h"
#include "tests/e2e/setup/setup_support.h"

namespace setup_test {
namespace {

std::wstring program_files() {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, path);
  return path;
}

// The test registry paths are ASCII: their bytes are their characters.
std::string ascii(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// The window that has the keyboard focus in the thread of window.
HWND focus_of(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

std::uint64_t free_megabytes(const std::wstring& folder) {
  ULARGE_INTEGER available = {};
  GetDiskFreeSpaceExW(folder.c_str(), &available, nullptr, nullptr);
  return available.QuadPart / 1024 / 1024;
}

// The number at the start of a text such as "123 MB の..."; -1 when there is none.
long long leading_number(const std::wstring& text) {
  std::size_t digits = text.find_first_not_of(L"0123456789");
  if (digits == 0 || digits == std::wstring::npos) return -1;
  return std::stoll(text.substr(0, digits));
}

// The free-space text shows the destination drive's free megabytes; other tests write at
// the same time, so the figure may have moved a little since Setup read it.
void expect_free_space_text(HWND dialog, const std::wstring& folder) {
  std::wstring text = driver::item_text(dialog, free_space_text);
  const std::wstring suffix = L" MB の利用可能な空き容量があります。";
  ASSERT_GT(text.size(), suffix.size()) << testing::PrintToString(text);
  EXPECT_EQ(text.substr(text.size() - suffix.size()), suffix);
  long long shown = leading_number(text);
  long long now = static_cast<long long>(free_megabytes(folder));
  EXPECT_NEAR(static_cast<double>(shown), static_cast<double>(now), 256.0) << testing::PrintToString(text);
}

// The install folder holds exactly expected (relative paths, folders with '\') and each
// file has the bytes of its source below source_folder.
void expect_installed(const std::wstring& install_dir, const std::wstring& source_folder,
                      std::set<std::wstring> expected) {
  expected.insert(L"reg.ini");
  EXPECT_EQ(tree_of(install_dir), expected);
  for (const std::wstring& path : expected) {
    if (path.back() == L'\\' || path == L"reg.ini") continue;
    EXPECT_EQ(read_bytes(install_dir + L"\\" + path), read_bytes(source_folder + L"\\" + path))
        << testing::PrintToString(path);
  }
}

void expect_value(const std::wstring& key, const std::wstring& name, const std::wstring& text) {
  Cstored_value value = stored_value(key, name);
  ASSERT_TRUE(value.found) << testing::PrintToString(name);
  EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ)) << testing::PrintToString(name);
  EXPECT_EQ(value.text, text) << testing::PrintToString(name);
  EXPECT_EQ(value.size, (text.size() + 1) * sizeof(wchar_t)) << testing::PrintToString(name);
}

TEST(SetupInstall, FullInstallIntoAChosenFolder) {
  Csample_disc disc;
  driver::Cfolder_browser_hook hook;
  Csetup setup;
  HWND dialog = setup.open_setup_dialog(disc, disc1_title);
  ASSERT_TRUE(dialog);

  // The opening state: Program Files as base, full install chosen, sizes with 100 MB to spare.
  EXPECT_EQ(driver::item_text(dialog, destination_box), program_files() + L"\\" + disc.reg_path());
  expect_free_space_text(dialog, program_files());
  EXPECT_TRUE(driver::is_checked(dialog, full_radio));
  EXPECT_FALSE(driver::is_checked(dialog, min_radio));
  EXPECT_EQ(driver::item_text(dialog, full_size_text), L"100 MB の空き容量が必要です。");
  EXPECT_EQ(driver::item_text(dialog, min_size_text), L"100 MB の空き容量が必要です。");
  EXPECT_EQ(focus_of(dialog), driver::item(dialog, start_button));

  std::wstring base = disc.scratch();
  std::wstring install_dir = base + L"\\" + disc.reg_path();
  ASSERT_TRUE(choose_destination(hook, setup, dialog, base, install_dir));
  EXPECT_EQ(driver::item_text(dialog, destination_box), install_dir);
  expect_free_space_text(dialog, base);
  install_to_completion(setup, dialog, disc1_title);

  expect_installed(install_dir, disc.game_data(), tree_of(disc.game_data()));
  EXPECT_TRUE(exists(install_dir + L"\\addon")) << "an empty folder entry is installed";
  EXPECT_TRUE(exists(install_dir + L"\\data\\empty")) << "an empty folder inside a folder entry is installed";
  EXPECT_EQ(read_bytes(install_dir + L"\\reg.ini"),
            "#REGNAME = \"" + ascii(ZOR::escape_argument_value(disc.reg_path())) + "\"");
  expect_value(disc.reg_key(), L"setup_dir", base);
  expect_value(disc.reg_key(), L"exe_dir", install_dir);
  expect_value(disc.reg_key(), L"dat_dir", install_dir);
  expect_value(disc.reg_key(), L"dat_setup", L"full");
}

TEST(SetupInstall, MinimalInstallLeavesTheFoldersOnTheDisc) {
  Csample_disc disc;
  // A Japanese registry path: reg.ini holds it in code page 932, two bytes a character.
  const std::wstring reg_path = disc.reg_path() + L"\\星降る";
  const std::wstring reg_key = disc.reg_key() + L"\\星降る";
  disc.set_ini_line(L"#REG_PATH", L"#REG_PATH = \"" + ZOR::escape_argument_value(reg_path) + L"\"");
  driver::Cfolder_browser_hook hook;
  Csetup setup;
  HWND dialog = setup.open_setup_dialog(disc, disc1_title);
  ASSERT_TRUE(dialog);
  std::wstring base = disc.scratch();
  std::wstring install_dir = base + L"\\" + reg_path;
  ASSERT_TRUE(choose_destination(hook, setup, dialog, base, install_dir));
  ASSERT_TRUE(driver::click(dialog, min_radio));
  EXPECT_TRUE(driver::is_checked(dialog, min_radio));
  install_to_completion(setup, dialog, disc1_title);

  expect_installed(install_dir, disc.game_data(), {L"readme.txt", L"遊び方.txt", L"system.dat"});
  // 星降る in code page 932 after the ASCII part, every backslash doubled.
  std::string expected_ini = "#REGNAME = \"" + ascii(ZOR::escape_argument_value(disc.reg_path())) + "\\\\" +
                             std::string("\x90\xaf\x8d\x7e\x82\xe9", 6) + "\"";
  EXPECT_EQ(read_bytes(install_dir + L"\\reg.ini"), expected_ini);
  expect_value(reg_key, L"setup_dir", base);
  expect_value(reg_key, L"exe_dir", install_dir);
  expect_value(reg_key, L"dat_dir", disc.game_data());
  expect_value(reg_key, L"dat_setup", L"min");
}

TEST(SetupInstall, SizeTextsRoundDownAfterTheMargin) {
  Csample_disc disc;
  // Entries of exactly 1048575 bytes (file) and 2 * 1048576 bytes (folder): the minimal
  // install stays at 100 MB, the full one reaches 103 MB.
  disc.remove_ini_lines(L"#SETUP_FILE");
  disc.add_ini_line(L"#SETUP_FILE = \"one.bin\"");
  disc.add_ini_line(L"#SETUP_FILE = \"two\"");
  ASSERT_TRUE(make_sized_file(disc.game_data() + L"\\one.bin", 1048575));
  CreateDirectoryW((disc.game_data() + L"\\two").c_str(), nullptr);
  CreateDirectoryW((disc.game_data() + L"\\two\\deeper").c_str(), nullptr);
  ASSERT_TRUE(make_sized_file(disc.game_data() + L"\\two\\a.bin", 1048576));
  ASSERT_TRUE(make_sized_file(disc.game_data() + L"\\two\\deeper\\b.bin", 1048577));
  Csetup setup;
  HWND dialog = setup.open_setup_dialog(disc, disc1_title);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(driver::item_text(dialog, full_size_text), L"103 MB の空き容量が必要です。");
  EXPECT_EQ(driver::item_text(dialog, min_size_text), L"100 MB の空き容量が必要です。");
  ASSERT_TRUE(driver::click(dialog, close_button));
  setup.expect_exit();
}

TEST(SetupInstall, WithoutMethodChoiceTheDialogIsLowerAndInstallsFully) {
  Csample_disc disc;
  disc.set_ini_line(L"#MIN_SETUP_USE", L"#MIN_SETUP_USE = 0");
  driver::Cfolder_browser_hook hook;
  Csetup setup;
  HWND dialog = setup.open_setup_dialog(disc, disc1_title);
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(driver::item(dialog, full_radio));
  EXPECT_FALSE(driver::item(dialog, min_radio));
  EXPECT_FALSE(driver::item(dialog, min_size_text));
  EXPECT_EQ(focus_of(dialog), driver::item(dialog, start_button));
  EXPECT_EQ(driver::item_text(dialog, full_size_text), L"100 MB の空き容量が必要です。");
  ASSERT_TRUE(choose_destination(hook, setup, dialog, disc.scratch(), disc.scratch() + L"\\" + disc.reg_path()));
  install_to_completion(setup, dialog, disc1_title);
  EXPECT_EQ(stored_value(disc.reg_key(), L"dat_setup").text, L"full");
  EXPECT_TRUE(exists(disc.scratch() + L"\\" + disc.reg_path() + L"\\data\\empty"));
}

}  // namespace
}  // namespace setup_test
