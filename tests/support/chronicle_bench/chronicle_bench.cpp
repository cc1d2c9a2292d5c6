// ChronicleBench.exe, run by scripts/bench_chronicle.sh: one timed run of Chronicle
// following an engine that writes ZOR_BENCH_LINES lines of 80 characters as fast as it can
// and then ZOR_BENCH_BURST_LINES lines in pieces of random sizes at random moments, after
// which the rows (saved through "ログを保存する") are checked line by line against the log
// and the engine's writes; or of the reference that inserts the first ZOR_BENCH_LINES rows
// into a report list view in one go with its redraw off. Environment: ZOR_BENCH_MODE
// ("chronicle" or "reference"), ZOR_BENCH_LINES, ZOR_BENCH_BURST_LINES, ZOR_BENCH_SEED.
// Prints one line "figures name value ..." with the times in milliseconds and the memory in
// MB, and the row check's verdict.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "lib/text/text.h"
#include "tests/driver/driver.h"
#include "tests/e2e/chronicle/chronicle_support.h"

namespace {

int environment_number(const wchar_t* name) {
  wchar_t value[32] = {};
  const DWORD length = GetEnvironmentVariableW(name, value, 32);
  return length > 0 && length < 32 ? static_cast<int>(std::wcstol(value, nullptr, 10)) : 0;
}

double now_ms() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Sends WM_NULL to a window every 20 ms from its own thread and keeps how long each answer
// took (a window that does not answer within 10 s counts 10 s).
class Cpinger {
 public:
  explicit Cpinger(HWND window) : thread_([this, window] { run(window); }) {}
  ~Cpinger() { stop(); }

  void stop() {
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
  }
  double longest() const { return longest_between(0, 1e300); }
  // The longest answer to a message sent between from_ms and to_ms.
  double longest_between(double from_ms, double to_ms) const {
    const std::vector<double> answers = answers_between(from_ms, to_ms);
    return answers.empty() ? 0 : answers.back();
  }
  double percentile_99(double from_ms = 0, double to_ms = 1e300) const {
    const std::vector<double> answers = answers_between(from_ms, to_ms);
    return answers.empty() ? 0 : answers[std::min(answers.size() - 1, answers.size() * 99 / 100)];
  }
  std::size_t count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return latencies_.size();
  }
  // The answers slower than limit_ms, as "at+ms:took" with at counted from origin_ms.
  std::string slow_answers(double origin_ms, double limit_ms) const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::string text;
    for (std::size_t i = 0; i < latencies_.size(); ++i) {
      if (latencies_[i] > limit_ms) {
        text += " " + std::to_string(static_cast<int>(times_[i] - origin_ms)) + ":" +
                std::to_string(static_cast<int>(latencies_[i]));
      }
    }
    return text;
  }

 private:
  void run(HWND window) {
    while (!stopping_) {
      const double start = now_ms();
      DWORD_PTR result = 0;
      SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
      const double took = now_ms() - start;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        latencies_.push_back(took);
        times_.push_back(start);
      }
      Sleep(20);
    }
  }
  // The answers to the messages sent between from_ms and to_ms, sorted.
  std::vector<double> answers_between(double from_ms, double to_ms) const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<double> answers;
    for (std::size_t i = 0; i < latencies_.size(); ++i) {
      if (times_[i] >= from_ms && times_[i] < to_ms) answers.push_back(latencies_[i]);
    }
    std::sort(answers.begin(), answers.end());
    return answers;
  }

  // The pinging thread appends while the test reads.
  mutable std::mutex mutex_;
  std::atomic<bool> stopping_{false};
  std::vector<double> latencies_;
  std::vector<double> times_;
  std::thread thread_;
};

int list_rows(HWND list) {
  DWORD_PTR count = 0;
  if (!SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 60000, &count)) return -1;
  return static_cast<int>(count);
}

// The engine stand-in's lines: "ログ " + six digits + " " + a-z repeated, 80 characters.
std::wstring engine_line(int number) {
  std::wstring digits = ZOR::int_to_text(number);
  if (digits.size() < 6) digits.insert(0, 6 - digits.size(), L'0');
  std::wstring line = L"ログ " + digits + L" ";
  for (int letter = 0; line.size() < 80; ++letter) line += static_cast<wchar_t>(L'a' + letter % 26);
  return line;
}

void run_chronicle(int lines, int burst_lines, int seed) {
  chronicle_test::Cplace place;
  const std::wstring engine = driver::install_engine(place.folder().path());
  const std::wstring log = place / L"SaveData\\log.txt";
  driver::Cenvironment_value count(L"ZOR_ENGINE_LOG_LINES", ZOR::int_to_text(lines).c_str());
  driver::Cenvironment_value rate(L"ZOR_ENGINE_LOG_RATE", L"0");
  driver::Cenvironment_value width(L"ZOR_ENGINE_LOG_WIDTH", L"80");
  driver::Cenvironment_value bursts(L"ZOR_ENGINE_LOG_BURST_LINES", ZOR::int_to_text(burst_lines).c_str());
  driver::Cenvironment_value random_seed(L"ZOR_ENGINE_LOG_SEED", ZOR::int_to_text(seed).c_str());
  driver::Cenvironment_value writes(L"ZOR_ENGINE_LOG_WRITES", L"1");

  chronicle_test::Cchronicle chronicle;
  ASSERT_TRUE(chronicle.open(place));
  HWND window = chronicle.window;
  HWND list = driver::item(window, 1006);
  Cpinger pinger(window);
  // The same window idle for 5 s first: what the machine's load alone costs an answer.
  const double idle_start = now_ms();
  Sleep(5000);
  const double idle_end = now_ms();

  const double start = now_ms();
  DWORD_PTR clicked = 0;
  SendMessageTimeoutW(driver::item(window, 1007), BM_CLICK, 0, 0, SMTO_NORMAL, 60000, &clicked);
  const double launch_ms = now_ms() - start;
  // Each line is at least one row: this is when the fast part can be in the list.
  while (list_rows(list) < lines) Sleep(20);
  const double rows_ms = now_ms() - start;
  std::vector<std::int64_t> write_ends;
  driver::wait_for([&] { return driver::read_write_ends(log, write_ends); }, 1800000);
  const double written_ms = now_ms() - start;

  // Once the engine has gone, Chronicle reads the rest and enables "実行" again.
  HWND engine_window = driver::wait_window(0, L"", L"lumora_engine_main_window_");
  driver::Cprocess engine_process;
  engine_process.open(driver::window_process(engine_window));
  driver::close_window(engine_window);
  engine_process.wait_exit();
  HWND run = driver::item(window, 1007);
  driver::wait_for([run] { return driver::is_enabled(run); }, 600000);
  const double all_rows_ms = now_ms() - start;
  // While the log was followed: from the first poll (2 s after the click, which waits for
  // CreateProcessW) until everything was read.
  const double following_longest_ms = pinger.longest_between(start + launch_ms, start + all_rows_ms);
  const double following_p99_ms = pinger.percentile_99(start + launch_ms, start + all_rows_ms);
  const double idle_longest_ms = pinger.longest_between(idle_start, idle_end);
  const double idle_p99_ms = pinger.percentile_99(idle_start, idle_end);
  PROCESS_MEMORY_COUNTERS memory = {};
  memory.cb = sizeof(memory);
  GetProcessMemoryInfo(chronicle.process.handle(), &memory, sizeof(memory));
  const std::string rows = chronicle.save_log(place.folder().folder(L"saved") + L"\\log.txt");
  const driver::Clog_row_check check = driver::check_log_rows(driver::read_bytes(log), rows, write_ends);
  std::printf("rows lines %zu rows %zu split_lines %zu writes %zu exact %s %s\n", check.lines, check.rows,
              check.split_lines, write_ends.size(), check.problem.empty() && check.lines ==
              static_cast<std::size_t>(lines + burst_lines) ? "yes" : "no", check.problem.c_str());

  // The relaunch: "実行" again empties the list of every row.
  const double clear_start = now_ms();
  DWORD_PTR result = 0;
  SendMessageTimeoutW(run, BM_CLICK, 0, 0, SMTO_NORMAL, 600000, &result);
  const double clear_ms = now_ms() - clear_start;
  const int rows_after = list_rows(list);
  pinger.stop();
  driver::Cprocess second_engine;
  HWND second_window = driver::wait_window(0, L"", L"lumora_engine_main_window_");
  second_engine.open(driver::window_process(second_window));
  driver::close_window(window);
  chronicle.process.wait_exit();
  second_engine.kill();

  std::printf("figures rows_ms %.0f written_ms %.0f all_rows_ms %.0f following_longest_answer_ms %.1f following_p99_answer_ms %.1f "
              "idle_longest_answer_ms %.1f idle_p99_answer_ms %.1f "
              "longest_answer_ms %.1f p99_answer_ms %.1f answers %zu peak_mb %.0f launch_ms %.0f relaunch_ms %.0f "
              "rows_after_relaunch %d\n",
              rows_ms, written_ms, all_rows_ms, following_longest_ms, following_p99_ms, idle_longest_ms, idle_p99_ms,
              pinger.longest(), pinger.percentile_99(),
              pinger.count(),
              static_cast<double>(memory.PeakWorkingSetSize) / 1048576.0, launch_ms, clear_ms, rows_after);
  std::printf("slow answers (ms after the launch:ms taken):%s; relaunch at %.0f\n",
              pinger.slow_answers(start, 50).c_str(), clear_start - start);
}

// The reference: the same rows inserted into a report list view in one go, redraw off, the
// last row scrolled into view once.
void run_reference(int lines) {
  HWND parent = CreateWindowExW(0, L"#32770", L"reference", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 560, 420,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(parent, nullptr);
  HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL, 8, 8,
                              530, 370, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(list, nullptr);
  LVCOLUMNW column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 500;
  column.pszText = const_cast<wchar_t*>(L"ログ");
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  std::vector<std::wstring> rows;
  rows.reserve(static_cast<std::size_t>(lines));
  for (int number = 1; number <= lines; ++number) rows.push_back(engine_line(number));

  const double start = now_ms();
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  LVITEMW item = {};
  item.mask = LVIF_TEXT;
  for (int row = 0; row < lines; ++row) {
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(rows[static_cast<std::size_t>(row)].c_str());
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(lines - 1), FALSE);
  UpdateWindow(list);
  const double rows_ms = now_ms() - start;
  PROCESS_MEMORY_COUNTERS memory = {};
  memory.cb = sizeof(memory);
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
  std::printf("figures reference_rows_ms %.0f reference_peak_mb %.0f\n", rows_ms,
              static_cast<double>(memory.PeakWorkingSetSize) / 1048576.0);
  std::fflush(stdout);
  // Clearing the list row by row costs minutes at a million rows under Wine; the window is
  // left to the end of the process.
  ShowWindow(parent, SW_HIDE);
}

TEST(ChronicleBench, OneRun) {
  const int lines = environment_number(L"ZOR_BENCH_LINES");
  ASSERT_GT(lines, 0) << "ZOR_BENCH_LINES is not set";
  wchar_t mode[32] = {};
  GetEnvironmentVariableW(L"ZOR_BENCH_MODE", mode, 32);
  if (std::wstring(mode) == L"reference") {
    run_reference(lines);
  } else {
    run_chronicle(lines, environment_number(L"ZOR_BENCH_BURST_LINES"), std::max(environment_number(L"ZOR_BENCH_SEED"), 1));
  }
}

}  // namespace
