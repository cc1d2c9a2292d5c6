// Config end-to-end tests: the test's folder with Config in it, the program, the settings.
#include "tests/e2e/config/config_support.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include "lib/error/error.h"

namespace config_test {

const wchar_t dialog_title[] = L"環境設定 （サポート用のツールです）";
const wchar_t caption[] = L"環境設定.exe";
const wchar_t save_question[] = L"変更を保存します。よろしいですか？";

const Csettings defaults = {0, 1, 1, 1, 2, 0, 1};

namespace {

std::wstring documents_folder() {
  wchar_t path[MAX_PATH] = {};
  EXPECT_EQ(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path), S_OK);
  return path;
}

// "1", "0" or "?" for a check box or radio button.
std::wstring state(HWND dialog, int id) {
  const int check = driver::check_state(dialog, id);
  return check == BST_CHECKED ? L"1" : check == BST_UNCHECKED ? L"0" : L"?";
}

// The value that a radio pair stands for: first or second when exactly one is checked.
std::wstring radio_value(HWND dialog, int first_id, const wchar_t* first, int second_id, const wchar_t* second) {
  const bool one = driver::is_checked(dialog, first_id);
  const bool two = driver::is_checked(dialog, second_id);
  return one != two ? (one ? first : second) : L"?";
}

}  // namespace

std::string file_bytes(const Csettings& s) {
  return "#D3D.ADAPTER_NO = " + std::to_string(s.adapter_no) + "\r\n#D3D.HARDWARE_VERTEX = " +
         std::to_string(s.hardware_vertex) + "\r\n#D3D.PRESENT_INTERVAL = " + std::to_string(s.present_interval) +
         "\r\n#D3D.USE_MIPMAP = " + std::to_string(s.use_mipmap) + "\r\n#D3D.WIPE_BUFFER_COUNT = " +
         std::to_string(s.wipe_buffer_count) + "\r\n#DS.PLAY_SILENT_SOUND = " + std::to_string(s.play_silent_sound) +
         "\r\n#MOVIE_TYPE = " + std::to_string(s.movie_type);
}

std::wstring described(const Csettings& s) {
  return L"adapter=" + std::to_wstring(s.adapter_no) + L" hardware=" + std::to_wstring(s.hardware_vertex) +
         L" vsync=" + std::to_wstring(s.present_interval) + L" mipmap=" + std::to_wstring(s.use_mipmap) +
         L" wipe=" + std::to_wstring(s.wipe_buffer_count) + L" silent=" + std::to_wstring(s.play_silent_sound) +
         L" movie=" + std::to_wstring(s.movie_type);
}

std::wstring shown_settings(HWND dialog) {
  return L"adapter=" + driver::item_text(dialog, adapter_box) + L" hardware=" + state(dialog, hardware_vertex_check) +
         L" vsync=" + state(dialog, present_interval_check) + L" mipmap=" + state(dialog, mipmap_check) +
         L" wipe=" + radio_value(dialog, wipe_one_radio, L"1", wipe_two_radio, L"2") + L" silent=" +
         state(dialog, silent_sound_check) + L" movie=" + radio_value(dialog, mci_radio, L"0", wmp_radio, L"1");
}

Cconfig_place::Cconfig_place(const std::wstring& root) : reg_path_(L"ZorTest\\" + driver::unique_name()) {
  if (root.empty()) {
    folder_ = temp_.path();
  } else {
    folder_ = root + L"\\" + driver::unique_name();
    own_folder_ = true;
    EXPECT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr)) << "cannot make the folder below the root";
  }
  EXPECT_TRUE(CopyFileW(driver::program_path(L"Config.exe").c_str(), (folder_ + L"\\Config.exe").c_str(), FALSE))
      << "Config.exe cannot be copied";
}

Cconfig_place::~Cconfig_place() {
  driver::remove_folder_tree(documents_folder() + L"\\" + reg_path_);
  if (own_folder_) driver::remove_folder_tree(folder_);
}

std::wstring Cconfig_place::documents_save_folder() const {
  return documents_folder() + L"\\" + reg_path_ + L"\\SaveData";
}

void Cconfig_place::write_setup_ini(const std::string& bytes) const {
  EXPECT_TRUE(driver::write_bytes(folder_ + L"\\Setup.ini", bytes));
}

void Cconfig_place::write_setup_ini_with_reg_path() const {
  // The path of a test's own is ASCII.
  const std::wstring doubled = driver::doubled_backslashes(reg_path_);
  const std::string escaped(doubled.begin(), doubled.end());
  write_setup_ini("// title\r\n#GAME_TITLE = \"Test\"\r\n#REG_PATH = \"" + escaped + "\"\r\n#REG_PATH = \"Other\\\\Game\"\r\n");
}

void Cconfig_place::add_engine(const std::wstring& subfolder) const {
  const std::wstring folder = subfolder.empty() ? folder_ : folder_ + L"\\" + subfolder;
  CreateDirectoryW(folder.c_str(), nullptr);
  EXPECT_TRUE(driver::write_bytes(folder + L"\\LumoraEngine.exe", "MZ stand-in"));
}

Cplace_with_file::Cplace_with_file(const std::string& bytes, const std::wstring& root) : place(root) {
  place.add_engine();
  CreateDirectoryW((place.folder() + L"\\SaveData").c_str(), nullptr);
  file = place.folder() + L"\\SaveData\\system.ini";
  EXPECT_TRUE(driver::write_bytes(file, bytes));
}

std::wstring error_text(int kind, int code, const wchar_t* operation) {
  ZOR::Cerror_info info;
  info.kind = kind;
  info.code = code;
  info.operation = operation;
  return ZOR::error_text(info);
}

bool Cconfig::start(const Cconfig_place& place) {
  return process.start(place.folder() + L"\\Config.exe", L"", place.folder());
}

HWND Cconfig::open_dialog(const Cconfig_place& place) {
  if (!start(place)) return nullptr;
  return driver::wait_dialog(id(), dialog_title, reset_button);
}

bool Cconfig::expect_box(const std::wstring& text, driver::Box_icon icon, int answer) {
  return driver::expect_message_box(id(), caption, text, icon, answer);
}

bool Cconfig::close_and_answer(HWND dialog, int answer) {
  return driver::close_window(dialog) && expect_box(save_question, driver::Box_icon::question, answer);
}

void Cconfig::expect_exit() { driver::expect_exit_zero(process); }

}  // namespace config_test
