// Where Chronicle finds the engine and its log: each start-up message (and the end that
// follows it), the engine in GameData without Setup.ini, and an installed game whose
// engine lies in a folder with a space and logs into the documents folder.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "lib/text/codepage.h"
#include "tests/e2e/chronicle/chronicle_support.h"

namespace chronicle_test {
namespace {

using driver::Box_icon;

// What a row leaves in place; kept until Chronicle has ended (an open file, for example).
using Cheld = std::shared_ptr<void>;

struct Startup_row {
  const char* name;
  std::function<Cheld(const Cplace&, const driver::Ctest_registry_key&)> prepare;
  std::wstring text;
};

std::function<Cheld(const Cplace&, const driver::Ctest_registry_key&)> setup_ini(const std::string& bytes) {
  return [bytes](const Cplace& place, const driver::Ctest_registry_key&) {
    place.folder().file(L"Setup.ini", bytes);
    return Cheld();
  };
}

// The registry path of the test's key as Setup.ini writes it ("ZorTest\\<unique>").
std::wstring reg_path_of(const driver::Ctest_registry_key& key) { return key.path().substr(9); }

std::string reg_path_line(const driver::Ctest_registry_key& key) {
  return ZOR::to_multibyte(L"#REG_PATH = \"" + driver::doubled_backslashes(reg_path_of(key)) + L"\"\n");
}

const std::wstring no_setup_info =
    L"セットアップ情報が見つかりません。\nゲームをセットアップしてから Chronicle を実行して下さい。";

TEST(ChronicleLocate, EveryStartupFailureShowsItsMessageAndEnds) {
  const Startup_row rows[] = {
      {"no Setup.ini and no engine", [](const Cplace&, const driver::Ctest_registry_key&) { return Cheld(); },
       L"Setup.ini が見つかりません。"},
      {"Setup.ini is a folder", [](const Cplace& place, const driver::Ctest_registry_key&) {
         place.folder().folder(L"Setup.ini");
         return Cheld();
       },
       L"Setup.ini が見つかりません。"},
      {"Setup.ini cannot be read",
       [](const Cplace& place, const driver::Ctest_registry_key&) {
         const std::wstring path = place.folder().file(L"Setup.ini", "#REG_PATH = \"A\\\\B\"\n");
         HANDLE locked = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
         EXPECT_NE(locked, INVALID_HANDLE_VALUE);
         return Cheld(locked, CloseHandle);
       },
       L"Setup.ini が開けませんでした。"},
      {"no #REG_PATH", setup_ini("#GAME_TITLE = \"x\"\n"), L"Setup.ini にレジストリパスが指定されていません。"},
      {"empty #REG_PATH", setup_ini("#REG_PATH = \"\"\n"), L"Setup.ini にレジストリパスが指定されていません。"},
      {"#REG_PATH with ..", setup_ini("#REG_PATH = \"Maker\\\\..\\\\..\\\\x\"\n"), L"レジストリパスが不正です。"},
      {"absolute #REG_PATH", setup_ini("#REG_PATH = \"C:\\\\Windows\"\n"), L"レジストリパスが不正です。"},
      {"rooted #REG_PATH", setup_ini("#REG_PATH = \"\\\\Maker\\\\Game\"\n"), L"レジストリパスが不正です。"},
      {"no registry key",
       [](const Cplace& place, const driver::Ctest_registry_key& key) {
         place.folder().file(L"Setup.ini", reg_path_line(key));
         return Cheld();
       },
       no_setup_info},
      {"key without exe_dir",
       [](const Cplace& place, const driver::Ctest_registry_key& key) {
         place.folder().file(L"Setup.ini", "; comment\n" + reg_path_line(key));
         HKEY created = nullptr;
         EXPECT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.path().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &created,
                                   nullptr),
                   ERROR_SUCCESS);
         RegCloseKey(created);
         return Cheld();
       },
       no_setup_info},
  };
  for (const Startup_row& row : rows) {
    SCOPED_TRACE(row.name);
    Cplace place;
    driver::Ctest_registry_key key;
    Cheld held = row.prepare(place, key);
    Cchronicle chronicle;
    ASSERT_TRUE(chronicle.start(place));
    EXPECT_TRUE(driver::expect_message_box(chronicle.id(), L"Chronicle", row.text, Box_icon::warning, IDOK));
    chronicle.expect_exit();
    EXPECT_EQ(driver::find_window(chronicle.id(), window_title), nullptr) << "no window after the message";
  }
}

TEST(ChronicleLocate, EngineInGameDataLogsBesideItAndTwoChroniclesRunAtOnce) {
  driver::Cenvironment_value lines(L"ZOR_ENGINE_LOG_LINES", L"3");
  Cplace place;
  const std::wstring engine = driver::install_engine(place.folder().folder(L"GameData"));
  Cchronicle chronicle;
  ASSERT_TRUE(chronicle.open(place));
  ASSERT_TRUE(chronicle.run());
  ASSERT_TRUE(chronicle.wait_rows(3));
  EXPECT_EQ(driver::read_engine_starts(engine), (std::vector<std::wstring>{L"\"GameData\\LumoraEngine.exe\" /log"}));
  EXPECT_EQ(driver::read_text_lines(place / L"GameData\\SaveData\\log.txt").size(), 3u);
  driver::Cprocess engine_process;
  EXPECT_NE(wait_engine(engine, engine_process), nullptr);

  // Chronicle takes no single-instance guard: a second one opens beside the first.
  Cchronicle second;
  ASSERT_TRUE(second.open(place));
  EXPECT_TRUE(IsWindow(chronicle.window));
  ASSERT_TRUE(driver::close_window(second.window));
  second.expect_exit();
  ASSERT_TRUE(driver::close_window(chronicle.window));
  chronicle.expect_exit();
}

TEST(ChronicleLocate, InstalledGameRunsFromExeDirAndLogsIntoTheDocumentsFolder) {
  driver::Cenvironment_value lines(L"ZOR_ENGINE_LOG_LINES", L"300");
  Cplace place;
  driver::Ctest_registry_key key;
  const std::wstring reg_path = reg_path_of(key);
  place.folder().file(L"Setup.ini", "#GAME_TITLE = \"x\"\n" + reg_path_line(key));
  const std::wstring game = place.folder().folder(L"Game Folder");
  ASSERT_TRUE(driver::write_bytes(game + L"\\reg.ini",
                                  ZOR::to_multibyte(L"#REGNAME = \"" + driver::doubled_backslashes(reg_path) + L"\"\n")));
  HKEY created = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.path().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &created, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(created, L"exe_dir", 0, REG_SZ, reinterpret_cast<const BYTE*>(game.c_str()),
                 static_cast<DWORD>((game.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(created);
  wchar_t documents[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, documents), S_OK);
  // The engine's save folder below the documents folder, removed with everything in it.
  const std::wstring maker = std::wstring(documents) + L"\\" + reg_path;
  struct Cremove {
    std::wstring path;
    ~Cremove() { driver::remove_folder_tree(path); }
  } remove_save_folder{maker};

  Cchronicle chronicle;
  ASSERT_TRUE(chronicle.open(place));
  ASSERT_TRUE(chronicle.run()) << "the engine is not there yet";
  EXPECT_TRUE(driver::expect_message_box(chronicle.id(), L"Chronicle", L"LumoraEngine.exe が実行できませんでした。",
                                         Box_icon::warning, IDOK));
  EXPECT_TRUE(driver::is_enabled(driver::item(chronicle.window, run_button))) << "still idle";

  const std::wstring engine = driver::install_engine(game);
  ASSERT_TRUE(chronicle.run());
  driver::Cprocess engine_process;
  EXPECT_NE(wait_engine(engine, engine_process), nullptr);
  ASSERT_TRUE(chronicle.wait_rows(300));
  EXPECT_TRUE(driver::wait_for([&] { return chronicle.last_row_shown(); })) << "the list shows the last row";
  const std::vector<std::wstring> starts = driver::read_engine_starts(engine);
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0], L"\"" + engine + L"\" /log") << "a path with a blank, quoted";
  EXPECT_EQ(driver::read_text_lines(maker + L"\\SaveData\\log.txt").size(), 300u);

  const std::string saved = chronicle.save_log(place / L"installed.txt");
  EXPECT_EQ(saved.substr(0, 14), ZOR::to_multibyte(L"ログ 000001 ab"));
  EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 300);
  EXPECT_NE(saved.find(ZOR::to_multibyte(L"ログ 000300 ")), std::string::npos);
  ASSERT_TRUE(driver::close_window(chronicle.window));
  chronicle.expect_exit();
}

}  // namespace
}  // namespace chronicle_test
