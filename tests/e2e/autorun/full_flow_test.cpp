// The whole way of a player: the disc's Autorun, Foyer from the temporary copy, Setup, the
// after-setup dialog, the game started, Foyer again from a second Autorun, the uninstall
// with the after-uninstall dialog, and a machine with nothing of the game left.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "tests/e2e/autorun/autorun_support.h"

namespace autorun_test {
namespace {

using driver::Box_icon;

std::wstring special_folder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, 0, path);
  return path;
}

// The assembled sample disc (build\sample_disc) copied into the test's folder, with a
// registry path and a game title of its own (the title names the desktop shortcut, and the
// desktop is shared): Autorun.exe and autorun.inf at the root beside SetupData. What the
// programs make outside the disc is removed with it, also after a failure.
class Cplayer_disc {
 public:
  Cplayer_disc()
      : disc_(driver::binary_dir() + L"\\sample_disc\\SetupData"), title_(L"月影の庭 " + driver::unique_name()) {
    disc_.set_ini_line(L"#GAME_TITLE", L"#GAME_TITLE = \"" + title_ + L"\"");
    for (const wchar_t* name : {L"Autorun.exe", L"autorun.inf"}) {
      EXPECT_TRUE(CopyFileW((driver::binary_dir() + L"\\sample_disc\\" + name).c_str(), (root() + L"\\" + name).c_str(),
                            FALSE));
    }
  }
  ~Cplayer_disc() {
    driver::remove_folder_tree(special_folder(CSIDL_PROGRAM_FILES) + L"\\" + reg_path());
    driver::remove_folder_tree(special_folder(CSIDL_PERSONAL) + L"\\" + reg_path());
    DeleteFileW(shortcut().c_str());
  }
  Cplayer_disc(const Cplayer_disc&) = delete;
  Cplayer_disc& operator=(const Cplayer_disc&) = delete;

  std::wstring root() const { return disc_.dir().substr(0, disc_.dir().rfind(L'\\')); }
  std::wstring setup_data() const { return disc_.dir(); }
  const std::wstring& title() const { return title_; }
  const std::wstring& reg_path() const { return disc_.reg_path(); }
  const std::wstring& reg_key() const { return disc_.reg_key(); }
  std::wstring install_dir() const { return special_folder(CSIDL_PROGRAM_FILES) + L"\\" + reg_path(); }
  std::wstring save_dir() const { return special_folder(CSIDL_PERSONAL) + L"\\" + reg_path(); }
  std::wstring shortcut() const { return special_folder(CSIDL_DESKTOP) + L"\\" + title_ + L".lnk"; }

 private:
  driver::Csample_disc disc_;
  std::wstring title_;
};

// True when the program at path carries an Authenticode signature: its PE32+ header's
// certificate table (data directory 4) is not empty. Wine starts a program without looking
// at it; Windows shows its publisher from it.
bool carries_signature(const std::wstring& path) {
  const std::string bytes = driver::read_bytes(path);
  if (bytes.size() < 0x40) return false;
  std::uint32_t pe = 0;
  std::memcpy(&pe, bytes.data() + 0x3C, sizeof pe);
  const std::size_t directory = std::size_t{pe} + 4 + 20 + 112 + 4 * 8;
  if (bytes.size() < directory + 8) return false;
  std::uint32_t size = 0;
  std::memcpy(&size, bytes.data() + directory + 4, sizeof size);
  return size != 0;
}

// The full path of the program a process runs, with doubled backslashes made single.
std::wstring image_of(const driver::Cprocess& process) {
  wchar_t path[MAX_PATH * 2] = {};
  DWORD size = MAX_PATH * 2;
  QueryFullProcessImageNameW(process.handle(), 0, path, &size);
  std::wstring image = path;
  for (std::size_t at; (at = image.find(L"\\\\")) != std::wstring::npos;) image.erase(at, 1);
  return image;
}

// Takes over the process that shows window, which the test did not start itself.
bool own_process_of(HWND window, driver::Cprocess& process) {
  return window != nullptr && process.open(driver::window_process(window));
}

// Clicks the visible button of Foyer's menu with this text (its buttons have no ids).
bool press(HWND menu, const std::wstring& text) {
  for (HWND button = FindWindowExW(menu, nullptr, L"Button", nullptr); button != nullptr;
       button = FindWindowExW(menu, button, L"Button", nullptr)) {
    if (IsWindowVisible(button) && driver::text_of(button) == text) return driver::click_window(button);
  }
  ADD_FAILURE() << "the menu shows no button " << testing::PrintToString(text);
  return false;
}

// Inserting the disc: Autorun from its root ends at once, and the copy of Foyer in the
// temporary folder shows its menu; returns the menu and owns Foyer's process.
HWND insert_disc(const Cplayer_disc& disc, const Cprogram_temp& temp, driver::Cprocess& foyer) {
  Cautorun autorun;
  if (!autorun.start(disc.root())) return nullptr;
  autorun.expect_end();
  HWND menu = driver::wait_window(0, disc.title(), L"#32770");
  if (!own_process_of(menu, foyer)) return nullptr;
  EXPECT_EQ(image_of(foyer), temp.copies() + L"\\Foyer.exe");
  return menu;
}

// Setup, started by Foyer from the copy beside it: the dialog with item_id, its process owned.
HWND wait_setup(const Cplayer_disc& disc, const Cprogram_temp& temp, int item_id, driver::Cprocess& setup) {
  HWND dialog = driver::wait_dialog(0, disc.title(), item_id);
  if (!own_process_of(dialog, setup)) return nullptr;
  EXPECT_EQ(image_of(setup), temp.copies() + L"\\Setup.exe");
  return dialog;
}

TEST(FullFlow, FromTheDiscToAPlayedGameAndBackToNothingLeftBehind) {
  Cplayer_disc disc;
  Cprogram_temp temp;
  // The next message box of process, checked and answered; every box has the title as caption.
  const auto box = [&disc](const driver::Cprocess& process, const std::wstring& text, Box_icon icon, int answer) {
    return driver::expect_message_box(process.id(), disc.title(), text, icon, answer);
  };

  // Autorun: Foyer from the temporary copy, not installed yet.
  driver::Cprocess foyer;
  HWND menu = insert_disc(disc, temp, foyer);
  ASSERT_TRUE(menu);
  EXPECT_EQ(driver::read_bytes(temp.copies() + L"\\Setup.exe"), driver::read_bytes(disc.setup_data() + L"\\Setup.exe"));
  // The sample's programs are signed (lumora-disc build --sign): signed, they still start.
  EXPECT_TRUE(carries_signature(temp.copies() + L"\\Setup.exe"));
  ASSERT_TRUE(press(menu, L"セットアップ"));

  // Setup from the copy beside Foyer, with the default destination below Program Files.
  driver::Cprocess setup;
  HWND setup_dialog = wait_setup(disc, temp, 1010, setup);
  ASSERT_TRUE(setup_dialog);
  EXPECT_EQ(driver::item_text(setup_dialog, 1001), disc.install_dir());
  ASSERT_TRUE(driver::click(setup_dialog, 1010));
  ASSERT_TRUE(box(setup, L"セットアップを開始します。よろしいですか？", Box_icon::information, IDYES));
  ASSERT_TRUE(box(setup, L"セットアップが完了しました。", Box_icon::information, IDOK));
  driver::expect_exit_zero(setup);

  // The after-setup dialog with the shortcut ticked, then the menu with the game buttons.
  HWND after_setup = driver::wait_dialog(foyer.id(), disc.title(), 1003);
  ASSERT_TRUE(after_setup);
  EXPECT_TRUE(driver::is_checked(after_setup, 1004));
  ASSERT_TRUE(driver::click(after_setup, 1003));
  ASSERT_TRUE(box(foyer, L"全ての処理が完了しました。", Box_icon::information, IDOK));
  menu = driver::wait_window(foyer.id(), disc.title(), L"#32770");
  ASSERT_TRUE(menu);
  EXPECT_EQ(driver::stored_value(disc.reg_key(), L"exe_dir").text, disc.install_dir());
  const std::wstring engine = disc.install_dir() + L"\\LumoraEngine.exe";
  EXPECT_TRUE(driver::exists(engine));
  EXPECT_TRUE(driver::exists(disc.install_dir() + L"\\遊び方.txt"));
  EXPECT_TRUE(driver::exists(disc.shortcut()));

  // The game in a window: the engine from the installation, Foyer closes. The game saves.
  ASSERT_TRUE(press(menu, L"ゲームを起動（ウィンドウ）"));
  driver::expect_exit_zero(foyer);
  driver::Cprocess game;
  HWND game_window = driver::wait_window(0, L"", L"lumora_engine_main_window_" + disc.reg_path());
  ASSERT_TRUE(own_process_of(game_window, game));
  EXPECT_EQ(driver::read_engine_starts(engine), std::vector<std::wstring>{L"\"" + engine + L"\" /window"});
  ASSERT_EQ(SHCreateDirectoryExW(nullptr, (disc.save_dir() + L"\\savedata").c_str(), nullptr), ERROR_SUCCESS);
  ASSERT_TRUE(driver::write_bytes(disc.save_dir() + L"\\savedata\\save01.dat", "saved"));
  ASSERT_TRUE(driver::close_window(game_window));
  driver::expect_exit_zero(game);
  // The stand-in's own record is no file of the game.
  EXPECT_TRUE(DeleteFileW((disc.install_dir() + L"\\engine_starts.txt").c_str()));

  // The disc again: Foyer again, uninstall through Setup, the after-uninstall dialog.
  menu = insert_disc(disc, temp, foyer);
  ASSERT_TRUE(menu);
  ASSERT_TRUE(press(menu, L"アンインストール"));
  HWND uninstall_dialog = wait_setup(disc, temp, 1015, setup);
  ASSERT_TRUE(uninstall_dialog);
  ASSERT_TRUE(driver::click(uninstall_dialog, 1015));
  ASSERT_TRUE(box(setup, disc.title() + L"をアンインストールします。よろしいですか？", Box_icon::information, IDYES));
  ASSERT_TRUE(box(setup, L"アンインストールが完了しました。", Box_icon::information, IDOK));
  driver::expect_exit_zero(setup);
  HWND after_uninstall = driver::wait_dialog(foyer.id(), disc.title(), 1003);
  ASSERT_TRUE(after_uninstall);
  EXPECT_TRUE(driver::is_checked(after_uninstall, 1005));
  EXPECT_FALSE(driver::is_checked(after_uninstall, 1006));
  ASSERT_TRUE(driver::click(after_uninstall, 1006));
  ASSERT_TRUE(driver::click(after_uninstall, 1003));
  ASSERT_TRUE(box(foyer, L"セーブフォルダを削除します。\n今までのゲームデータは失われます。本当によろしいですか？",
                  Box_icon::information, IDYES));
  ASSERT_TRUE(box(foyer, L"全ての処理が完了しました。", Box_icon::information, IDOK));
  menu = driver::wait_window(foyer.id(), disc.title(), L"#32770");
  ASSERT_TRUE(menu);
  ASSERT_TRUE(press(menu, L"終了"));
  driver::expect_exit_zero(foyer);

  // Nothing of the game is left: no installation, key, shortcut or save data.
  EXPECT_FALSE(driver::exists(disc.install_dir()));
  EXPECT_FALSE(driver::key_exists(disc.reg_key()));
  EXPECT_FALSE(driver::exists(disc.shortcut()));
  EXPECT_FALSE(driver::exists(disc.save_dir()));
}

}  // namespace
}  // namespace autorun_test
