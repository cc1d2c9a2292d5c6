// Following the log: the engine beside Chronicle started with " /log", lines that the test
// appends to its log becoming rows (halves, cut characters, a rewritten log), the text
// export's bytes, the engine's end, and a relaunch that reads the log from its start.
#include <gtest/gtest.h>

#include "lib/text/codepage.h"
#include "tests/e2e/chronicle/chronicle_support.h"

namespace chronicle_test {
namespace {

// Appends bytes to the log as the engine would.
void append(const std::wstring& log, const std::string& bytes) {
  ASSERT_TRUE(driver::write_bytes(log, driver::read_bytes(log) + bytes));
}

std::string ansi(const std::wstring& text) { return ZOR::to_multibyte(text); }

TEST(ChronicleFollow, RowsFromTheLogTheTextExportAndARelaunch) {
  // The engine writes no lines of its own: this test writes the log.
  driver::Cenvironment_value no_lines(L"ZOR_ENGINE_LOG_LINES", L"0");
  Cplace place;
  const std::wstring engine = driver::install_engine(place.folder().path());
  const std::wstring log = place / L"SaveData\\log.txt";
  place.folder().folder(L"SaveData");
  ASSERT_TRUE(driver::write_bytes(log, ansi(L"前回の行\n")));

  Cchronicle chronicle;
  ASSERT_TRUE(chronicle.open(place));
  EXPECT_EQ(chronicle.row_count(), 0) << "the engine is not started at opening";
  EXPECT_TRUE(driver::is_enabled(driver::item(chronicle.window, run_button)));
  EXPECT_FALSE(driver::is_enabled(driver::item(chronicle.window, save_button)));

  ASSERT_TRUE(chronicle.run());
  driver::Cprocess engine_process;
  HWND engine_window = wait_engine(engine, engine_process);
  ASSERT_NE(engine_window, nullptr);
  EXPECT_EQ(driver::read_engine_starts(engine), (std::vector<std::wstring>{L"\"LumoraEngine.exe\" /log"}))
      << "the path as found, quoted, then \" /log\"";
  EXPECT_FALSE(driver::is_enabled(driver::item(chronicle.window, run_button)));
  ASSERT_TRUE(chronicle.wait_rows(1)) << "the log is read from its start";
  EXPECT_TRUE(driver::is_enabled(driver::item(chronicle.window, save_button)));

  // Two lines, blank lines (also CR LF ones), a line of 300 characters, then half a line.
  const std::wstring long_line(300, L'長');
  append(log, ansi(L"一行目\nb\n\n\r\n" + long_line + L"\r\n前半"));
  ASSERT_TRUE(chronicle.wait_rows(5));
  append(log, ansi(L"後半\n"));
  ASSERT_TRUE(chronicle.wait_rows(6)) << "a line written in two halves gives two rows";
  // A double-byte character cut after its lead byte stays whole.
  const std::string cut = ansi(L"本");
  append(log, "x" + cut.substr(0, 1));
  ASSERT_TRUE(chronicle.wait_rows(7));
  Sleep(1200);
  append(log, cut.substr(1) + "y\n");
  ASSERT_TRUE(chronicle.wait_rows(8));

  const std::string expected = ansi(L"前回の行\r\n一行目\r\nb\r\n" + long_line.substr(0, 259) + L"\r\n前半\r\n後半\r\nx\r\n本y\r\n");
  // Saved into another folder: the save dialog must not move Chronicle away from its own
  // folder, where the engine and its log are found by relative paths.
  const std::wstring saved = place.folder().folder(L"saved") + L"\\log.txt";
  EXPECT_EQ(chronicle.save_log(saved), expected);

  // The engine rewrites its log shorter: it is read again from its start.
  ASSERT_TRUE(driver::write_bytes(log, ansi(L"新しいログ\n")));
  ASSERT_TRUE(chronicle.wait_rows(9));
  EXPECT_EQ(chronicle.save_log(saved), expected + ansi(L"新しいログ\r\n"))
      << "saved again over the first file";

  // The engine's end enables "実行" again; a relaunch empties the list and reads from the start.
  ASSERT_TRUE(driver::close_window(engine_window));
  ASSERT_TRUE(driver::wait_window_gone(engine_window));
  HWND run = driver::item(chronicle.window, run_button);
  ASSERT_TRUE(driver::wait_for([run] { return driver::is_enabled(run); })) << "the engine's end enables 実行";
  ASSERT_TRUE(driver::write_bytes(log, ansi(L"一\n二\n")));
  ASSERT_TRUE(chronicle.run());
  EXPECT_EQ(chronicle.row_count(), 0) << "the list is emptied at the launch";
  ASSERT_TRUE(chronicle.wait_rows(2));
  driver::Cprocess second_engine;
  engine_window = wait_engine(engine, second_engine);
  ASSERT_NE(engine_window, nullptr);
  EXPECT_EQ(driver::read_engine_starts(engine).size(), 2u);

  // Closing Chronicle leaves the engine running.
  ASSERT_TRUE(driver::close_window(chronicle.window));
  chronicle.expect_exit();
  EXPECT_TRUE(second_engine.running());
}

}  // namespace
}  // namespace chronicle_test
