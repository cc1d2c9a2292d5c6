// Uninstall mode: No touches nothing; Yes removes the listed entries, reg.ini, the emptied
// folders below the chosen base and the key; files the game wrote stay; a key with a
// subkey stops the uninstall with its messages.
#include <gtest/gtest.h>

#include "lib/cmdline/command_line.h"
#include "tests/e2e/setup/setup_support.h"

namespace setup_test {
namespace {

using driver::Box_icon;

const std::wstring question = std::wstring(disc1_title) + L"をアンインストールします。よろしいですか？";

HWND open_uninstall(Csetup& setup, const Csample_disc& disc) {
  if (!setup.start(disc.arguments(L"uninstall"))) return nullptr;
  return setup.wait_dialog(disc1_title, uninstall_button);
}

TEST(SetupUninstall, NoTouchesNothingAndYesRemovesTheInstallation) {
  Csample_disc disc;
  const std::wstring base = disc.scratch();
  const std::wstring install_dir = base + L"\\" + disc.reg_path();
  install(disc, disc1_title, base);
  ASSERT_TRUE(exists(install_dir + L"\\reg.ini"));
  const std::set<std::wstring> installed = tree_of(base);

  Csetup setup;
  HWND dialog = open_uninstall(setup, disc);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(driver::item_text(dialog, destination_box), install_dir);
  ASSERT_TRUE(driver::click(dialog, uninstall_button));
  ASSERT_TRUE(setup.expect_box(disc1_title, question, Box_icon::information, IDNO));
  EXPECT_EQ(tree_of(base), installed);
  EXPECT_TRUE(key_exists(disc.reg_key()));
  EXPECT_TRUE(driver::is_enabled(dialog));

  ASSERT_TRUE(driver::click(dialog, uninstall_button));
  ASSERT_TRUE(setup.expect_box(disc1_title, question, Box_icon::information, IDYES));
  ASSERT_TRUE(setup.expect_box(disc1_title, L"アンインストールが完了しました。", Box_icon::information, IDOK));
  setup.expect_exit();
  // ZorTest\<unique> and ZorTest are gone; the chosen base folder stays.
  EXPECT_TRUE(exists(base));
  EXPECT_TRUE(tree_of(base).empty()) << testing::PrintToString(tree_of(base));
  EXPECT_FALSE(key_exists(disc.reg_key()));
}

TEST(SetupUninstall, FilesTheGameWroteIntoItsFolderStay) {
  Csample_disc disc;
  const std::wstring base = disc.scratch();
  const std::wstring install_dir = base + L"\\" + disc.reg_path();
  install(disc, disc1_title, base);
  ASSERT_TRUE(write_bytes(install_dir + L"\\save.dat", "saved"));
  ASSERT_TRUE(write_bytes(install_dir + L"\\data\\extra.txt", "written into a listed folder"));
  ASSERT_TRUE(SetFileAttributesW((install_dir + L"\\system.dat").c_str(), FILE_ATTRIBUTE_READONLY));

  Csetup setup;
  HWND dialog = open_uninstall(setup, disc);
  ASSERT_TRUE(dialog);
  ASSERT_TRUE(driver::click(dialog, uninstall_button));
  ASSERT_TRUE(setup.expect_box(disc1_title, question, Box_icon::information, IDYES));
  ASSERT_TRUE(setup.expect_box(disc1_title, L"アンインストールが完了しました。", Box_icon::information, IDOK));
  setup.expect_exit();
  // The listed folder goes with what was written into it; the read-only file goes too.
  EXPECT_EQ(tree_of(install_dir), std::set<std::wstring>{L"save.dat"});
  EXPECT_FALSE(key_exists(disc.reg_key()));
}

TEST(SetupUninstall, KeyWithASubkeyStopsTheUninstall) {
  Csample_disc disc;
  const std::wstring base = disc.scratch();
  install(disc, disc1_title, base);
  HKEY subkey = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (disc.reg_key() + L"\\Patch").c_str(), 0, nullptr, 0, KEY_WRITE,
                            nullptr, &subkey, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(subkey);

  Csetup setup;
  HWND dialog = open_uninstall(setup, disc);
  ASSERT_TRUE(dialog);
  ASSERT_TRUE(driver::click(dialog, uninstall_button));
  ASSERT_TRUE(setup.expect_box(disc1_title, question, Box_icon::information, IDYES));
  ASSERT_TRUE(setup.expect_box(disc1_title,
                               L"レジストリ情報が削除できませんでした。アンインストールを中止します。\n\n" +
                                   std::wstring(admin_hint),
                               Box_icon::warning, IDOK));
  ASSERT_TRUE(setup.expect_box(disc1_title, L"アンインストールを中止しました。", Box_icon::warning, IDOK));
  setup.expect_exit();
  // The files went all the same; the key stays with its values.
  EXPECT_TRUE(tree_of(base).empty()) << testing::PrintToString(tree_of(base));
  EXPECT_EQ(stored_value(disc.reg_key(), L"setup_dir").text, base);
}

TEST(SetupUninstall, AnotherGameOfTheSameMakerKeepsTheMakersFolder) {
  Csample_disc first;
  Csample_disc second;
  // Both games below one maker folder: <base>\ZorTest\<unique>\One and ...\Two.
  const std::wstring maker = first.reg_path();
  first.set_ini_line(L"#REG_PATH", L"#REG_PATH = \"" + ZOR::escape_argument_value(maker + L"\\One") + L"\"");
  second.set_ini_line(L"#REG_PATH", L"#REG_PATH = \"" + ZOR::escape_argument_value(maker + L"\\Two") + L"\"");
  const std::wstring base = first.scratch();
  install(first, disc1_title, base, maker + L"\\One");
  install(second, disc1_title, base, maker + L"\\Two");
  const std::set<std::wstring> second_files = tree_of(base + L"\\" + maker + L"\\Two");

  Csetup setup;
  HWND dialog = open_uninstall(setup, first);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(driver::item_text(dialog, destination_box), base + L"\\" + maker + L"\\One");
  ASSERT_TRUE(driver::click(dialog, uninstall_button));
  ASSERT_TRUE(setup.expect_box(disc1_title, question, Box_icon::information, IDYES));
  ASSERT_TRUE(setup.expect_box(disc1_title, L"アンインストールが完了しました。", Box_icon::information, IDOK));
  setup.expect_exit();
  EXPECT_FALSE(exists(base + L"\\" + maker + L"\\One"));
  EXPECT_EQ(tree_of(base + L"\\" + maker + L"\\Two"), second_files);
  EXPECT_FALSE(key_exists(first.reg_key() + L"\\One"));
  EXPECT_TRUE(key_exists(first.reg_key() + L"\\Two"));
}

TEST(SetupUninstall, ClosingTheDialogRemovesNothing) {
  Csample_disc disc;
  const std::wstring base = disc.scratch();
  install(disc, disc1_title, base);
  const std::set<std::wstring> installed = tree_of(base);
  Csetup setup;
  HWND dialog = open_uninstall(setup, disc);
  ASSERT_TRUE(dialog);
  ASSERT_TRUE(driver::click(dialog, close_button));
  setup.expect_exit();
  EXPECT_EQ(tree_of(base), installed);
  EXPECT_TRUE(key_exists(disc.reg_key()));
}

}  // namespace
}  // namespace setup_test
