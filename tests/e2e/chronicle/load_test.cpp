// Following an engine under load: lines written as fast as the engine can, then lines
// written in pieces of random sizes at random moments (cut inside lines and inside
// double-byte characters). Every line becomes exactly one row, in order, unless a poll met
// it unfinished; scripts/bench_chronicle.sh runs the same with a million lines each.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/e2e/chronicle/chronicle_support.h"

namespace chronicle_test {
namespace {

TEST(ChronicleLoad, ExactRowsOfAFastAndABurstyEngine) {
  const int fast_lines = 20000;
  const int burst_lines = 20000;
  driver::Cenvironment_value lines(L"ZOR_ENGINE_LOG_LINES", std::to_wstring(fast_lines).c_str());
  driver::Cenvironment_value rate(L"ZOR_ENGINE_LOG_RATE", L"0");
  driver::Cenvironment_value bursts(L"ZOR_ENGINE_LOG_BURST_LINES", std::to_wstring(burst_lines).c_str());
  driver::Cenvironment_value seed(L"ZOR_ENGINE_LOG_SEED", L"16");
  driver::Cenvironment_value writes(L"ZOR_ENGINE_LOG_WRITES", L"1");
  Cplace place;
  const std::wstring engine = driver::install_engine(place.folder().path());
  const std::wstring log = place / L"SaveData\\log.txt";

  Cchronicle chronicle;
  ASSERT_TRUE(chronicle.open(place));
  ASSERT_TRUE(chronicle.run());
  driver::Cprocess engine_process;
  HWND engine_window = wait_engine(engine, engine_process);
  ASSERT_NE(engine_window, nullptr);
  std::vector<std::int64_t> write_ends;
  ASSERT_TRUE(driver::wait_for([&] { return driver::read_write_ends(log, write_ends); }, 180000))
      << "the engine did not finish its lines";
  // Once the engine has gone, Chronicle reads the rest and enables 実行 again.
  ASSERT_TRUE(driver::close_window(engine_window));
  ASSERT_TRUE(driver::wait_window_gone(engine_window));
  HWND run = driver::item(chronicle.window, run_button);
  ASSERT_TRUE(driver::wait_for([run] { return driver::is_enabled(run); }, 120000));

  const std::string rows = chronicle.save_log(place.folder().folder(L"saved") + L"\\log.txt");
  const driver::Clog_row_check check = driver::check_log_rows(driver::read_bytes(log), rows, write_ends);
  EXPECT_EQ(check.problem, "");
  EXPECT_EQ(check.lines, static_cast<std::size_t>(fast_lines + burst_lines));
  std::printf("figures chronicle_load lines %zu rows %zu split_lines %zu writes %zu\n", check.lines, check.rows,
              check.split_lines, write_ends.size());
  ASSERT_TRUE(driver::close_window(chronicle.window));
  chronicle.expect_exit();
}

}  // namespace
}  // namespace chronicle_test
