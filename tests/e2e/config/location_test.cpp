// Where Config finds system.ini: each rule, the path the dialog shows, the file a save
// writes there, and every start-up message; a second Config ends silently.
#include <gtest/gtest.h>

#include <functional>

#include "lib/error/error.h"
#include "tests/e2e/config/config_support.h"

namespace config_test {
namespace {

using driver::Box_icon;

struct Location_row {
  const char* name;
  std::function<void(const Cconfig_place&)> prepare;
  // The path the dialog shows, and the same file as the test reaches it.
  std::function<std::wstring(const Cconfig_place&)> shown_path;
  std::function<std::wstring(const Cconfig_place&)> written_file;
};

TEST(ConfigLocation, EachRuleGivesItsFolderWhichASaveCreates) {
  const Location_row rows[] = {
      {"Setup.ini beside Config wins over an engine beside it",
       [](const Cconfig_place& p) {
         p.write_setup_ini_with_reg_path();
         p.add_engine();
       },
       [](const Cconfig_place& p) { return p.documents_save_folder() + L"\\system.ini"; },
       [](const Cconfig_place& p) { return p.documents_save_folder() + L"\\system.ini"; }},
      {"the engine beside Config", [](const Cconfig_place& p) { p.add_engine(); },
       [](const Cconfig_place& p) { return p.folder() + L"\\SaveData\\system.ini"; },
       [](const Cconfig_place& p) { return p.folder() + L"\\SaveData\\system.ini"; }},
      {"the engine in GameData", [](const Cconfig_place& p) { p.add_engine(L"GameData"); },
       [](const Cconfig_place&) { return std::wstring(L"GameData\\SaveData\\system.ini"); },
       [](const Cconfig_place& p) { return p.folder() + L"\\GameData\\SaveData\\system.ini"; }},
  };
  for (const Location_row& row : rows) {
    SCOPED_TRACE(row.name);
    Cconfig_place place;
    row.prepare(place);
    Cconfig config;
    HWND dialog = config.open_dialog(place);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(driver::item_text(dialog, path_box), row.shown_path(place));
    EXPECT_EQ(shown_settings(dialog), described(defaults)) << "no system.ini: the defaults";
    // The save folder does not exist yet: Yes creates it with its missing parents.
    const std::wstring file = row.written_file(place);
    EXPECT_FALSE(driver::exists(file.substr(0, file.rfind(L'\\'))));
    ASSERT_TRUE(driver::click(dialog, hardware_vertex_check));
    ASSERT_TRUE(config.close_and_answer(dialog, IDYES));
    config.expect_exit();
    Csettings saved = defaults;
    saved.hardware_vertex = 0;
    EXPECT_EQ(driver::read_bytes(file), file_bytes(saved));
  }
}

struct Failure_row {
  const char* name;
  std::function<void(const Cconfig_place&)> prepare;
  std::wstring text;
};

TEST(ConfigLocation, FailuresEndWithTheirMessage) {
  const Failure_row rows[] = {
      {"neither Setup.ini nor the engine", [](const Cconfig_place& p) { p.add_engine(L"Other"); },
       L"Setup.ini が見つかりません。"},
      {"no #REG_PATH line",
       [](const Cconfig_place& p) {
         p.write_setup_ini("#GAME_TITLE = \"Test\"\r\n #REG_PATH = \"A\\\\B\"\r\n#REG_PATH = A\\B\r\n");
         p.add_engine();
       },
       L"Setup.ini にレジストリパスが指定されていません。"},
      {"an empty #REG_PATH", [](const Cconfig_place& p) { p.write_setup_ini("#REG_PATH = \"\"\r\n"); },
       L"Setup.ini にレジストリパスが指定されていません。"},
      {"a #REG_PATH that climbs out", [](const Cconfig_place& p) { p.write_setup_ini("#REG_PATH = \"Maker\\\\..\\\\..\\\\x\""); },
       L"レジストリパスが不正です。"},
      {"an absolute #REG_PATH", [](const Cconfig_place& p) { p.write_setup_ini("#REG_PATH = \"C:\\\\Maker\\\\Game\""); },
       L"レジストリパスが不正です。"},
      {"a #REG_PATH from the root", [](const Cconfig_place& p) { p.write_setup_ini("#REG_PATH = \"\\\\Maker\\\\Game\""); },
       L"レジストリパスが不正です。"},
  };
  for (const Failure_row& row : rows) {
    SCOPED_TRACE(row.name);
    Cconfig_place place;
    row.prepare(place);
    Cconfig config;
    ASSERT_TRUE(config.start(place));
    EXPECT_TRUE(config.expect_box(row.text, Box_icon::warning, IDOK));
    config.expect_exit();
  }
}

// Opens path with no sharing, so that another process cannot read it; closed with the object.
class Clocked_file {
 public:
  explicit Clocked_file(const std::wstring& path)
      : handle_(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {
    EXPECT_NE(handle_, INVALID_HANDLE_VALUE);
  }
  ~Clocked_file() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  Clocked_file(const Clocked_file&) = delete;
  Clocked_file& operator=(const Clocked_file&) = delete;

 private:
  HANDLE handle_;
};

// The text of a failed open for reading as the library records it.
std::wstring open_failure_text(int errno_code) {
  ZOR::Cerror_info info;
  info.kind = ZOR::Cerror_info::kind_errno;
  info.code = errno_code;
  info.operation = L"fopen(\"rt\")";
  return ZOR::error_text(info);
}

TEST(ConfigLocation, UnreadableFilesEndWithTheirMessage) {
  {
    SCOPED_TRACE("Setup.ini that cannot be read");
    Cconfig_place place;
    place.write_setup_ini_with_reg_path();
    Clocked_file lock(place.folder() + L"\\Setup.ini");
    Cconfig config;
    ASSERT_TRUE(config.start(place));
    EXPECT_TRUE(config.expect_box(L"Setup.ini が開けませんでした。", Box_icon::warning, IDOK));
    config.expect_exit();
  }
  {
    SCOPED_TRACE("system.ini that cannot be read");
    Cconfig_place place;
    place.add_engine();
    const std::wstring file = place.folder() + L"\\SaveData\\system.ini";
    CreateDirectoryW((place.folder() + L"\\SaveData").c_str(), nullptr);
    ASSERT_TRUE(driver::write_bytes(file, file_bytes(defaults)));
    Clocked_file lock(file);
    Cconfig config;
    ASSERT_TRUE(config.start(place));
    EXPECT_TRUE(config.expect_box(L"システム設定データが読み込めませんでした。\n" + open_failure_text(13),
                                  Box_icon::warning, IDOK));
    config.expect_exit();
  }
}

TEST(ConfigLocation, SecondConfigEndsSilently) {
  Cconfig_place place;
  place.add_engine();
  Cconfig first;
  HWND dialog = first.open_dialog(place);
  ASSERT_TRUE(dialog);
  Cconfig second;
  ASSERT_TRUE(second.start(place));
  second.expect_exit();
  // It showed nothing, and the first one goes on.
  EXPECT_EQ(driver::find_message_box(0), nullptr);
  EXPECT_TRUE(driver::is_visible(dialog));
  ASSERT_TRUE(driver::close_window(dialog));
  first.expect_exit();
}

}  // namespace
}  // namespace config_test
