// The engine stand-in (tests/support/engine): its window class and title, its start record
// and the log lines it writes with "/log", on the disc layout and installed.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "tests/driver/driver.h"

namespace {

using driver::Cenvironment_value;

std::wstring documents_folder() {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, path);
  return path;
}

const std::wstring class_prefix = L"lumora_engine_main_window_";

TEST(EngineStandIn, DiscLayoutWindowAndInstalledLog) {
  driver::Ctemp_folder folder;
  // The disc layout: Setup.ini in the folder above the engine names the game.
  folder.folder(L"SetupData");
  folder.file(L"SetupData\\Setup.ini", "#GAME_TITLE = \"\x83\x65\x83\x58\x83\x67\"\n#REG_PATH = \"Maker\\\\Disc\"\n");
  const std::wstring disc_engine = driver::install_engine(folder.folder(L"SetupData\\GameData"));
  ASSERT_FALSE(disc_engine.empty());
  driver::Cprocess disc;
  ASSERT_TRUE(disc.start(disc_engine, L"/window"));
  HWND disc_window = driver::wait_window(disc.id(), L"テスト [/window]", class_prefix + L"Maker\\Disc");
  ASSERT_NE(disc_window, nullptr);
  EXPECT_EQ(driver::read_engine_starts(disc_engine),
            std::vector<std::wstring>{L"\"" + disc_engine + L"\" /window"});
  driver::close_window(disc_window);
  EXPECT_TRUE(disc.wait_exit());
  EXPECT_FALSE(driver::exists(folder / L"SetupData\\GameData\\SaveData")) << "no log without /log";

  // Installed: reg.ini beside the engine; the log goes below the documents folder.
  const std::wstring top = driver::unique_name();
  const std::wstring reg_path = top + L"\\Game";
  const std::wstring save_top = documents_folder() + L"\\" + top;
  const std::string reg_ini = "#REGNAME = \"" + std::string(top.begin(), top.end()) + "\\\\Game\"";
  const std::wstring installed = folder.folder(L"Installed");
  folder.file(L"Installed\\reg.ini", reg_ini);
  const std::wstring engine = driver::install_engine(installed);
  ASSERT_FALSE(engine.empty());
  const int lines = 3000;
  Cenvironment_value count(L"ZOR_ENGINE_LOG_LINES", L"3000");
  Cenvironment_value width(L"ZOR_ENGINE_LOG_WIDTH", L"40");
  driver::Cprocess logging;
  ASSERT_TRUE(logging.start(engine, L"/log"));
  const std::wstring log = save_top + L"\\Game\\SaveData\\log.txt";
  HWND window = driver::wait_window(logging.id(), reg_path + L" [/log]", class_prefix + reg_path);
  ASSERT_NE(window, nullptr) << "without Setup.ini the title shows the registry path";
  EXPECT_TRUE(driver::wait_for_lines(log, lines));
  driver::close_window(window);
  EXPECT_TRUE(logging.wait_exit());
  EXPECT_EQ(driver::read_engine_starts(engine), std::vector<std::wstring>{L"\"" + engine + L"\" /log"});
  const std::vector<std::wstring> written = driver::read_text_lines(log);
  ASSERT_EQ(written.size(), static_cast<size_t>(lines));
  EXPECT_EQ(written.front(), L"ログ 000001 abcdefghijklmnopqrstuvwxyzabcd");
  EXPECT_EQ(written.back(), L"ログ 003000 abcdefghijklmnopqrstuvwxyzabcd");
  const std::string bytes = driver::read_bytes(log);
  EXPECT_EQ(bytes.substr(0, 5), "\x83\x8d\x83\x4f ") << "ANSI code page, no byte-order mark";
  EXPECT_EQ(bytes.size(), static_cast<size_t>(lines) * 43) << "42 bytes and a line feed per line, no CR";
  driver::remove_folder_tree(save_top);
}

TEST(EngineStandIn, DiscLayoutLogsBesideItselfAtTheGivenRate) {
  driver::Ctemp_folder folder;
  const std::wstring engine = driver::install_engine(folder.folder(L"GameData"));
  ASSERT_FALSE(engine.empty());
  Cenvironment_value count(L"ZOR_ENGINE_LOG_LINES", L"6");
  Cenvironment_value rate(L"ZOR_ENGINE_LOG_RATE", L"4");
  const ULONGLONG start = GetTickCount64();
  driver::Cprocess logging;
  ASSERT_TRUE(logging.start(engine, L"/log"));
  HWND window = driver::wait_window(logging.id(), L" [/log]", class_prefix);
  ASSERT_NE(window, nullptr) << "no reg.ini, no Setup.ini: an empty registry path";
  const std::wstring log = folder / L"GameData\\SaveData\\log.txt";
  EXPECT_TRUE(driver::wait_for_lines(log, 6));
  // Four lines a second, the first at once: the sixth comes 1.25 s after the start.
  EXPECT_GE(GetTickCount64() - start, 1250u);
  const std::vector<std::wstring> written = driver::read_text_lines(log);
  EXPECT_EQ(written.size(), 6u);
  EXPECT_EQ(written.empty() ? std::wstring() : written.back().substr(0, 9), L"ログ 000006");
  driver::close_window(window);
  EXPECT_TRUE(logging.wait_exit());
}

}  // namespace
