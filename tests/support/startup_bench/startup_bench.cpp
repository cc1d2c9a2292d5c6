// StartupBench.exe, run by scripts/bench_startup.sh: for each program the time from its
// process start to its first window being visible, against the time OneDialog.exe needs to
// show its one dialog, started alternately ZOR_BENCH_ROUNDS times (default 10). The programs
// are the test names (StartupBench.Setup, ...); each prints its rounds and
// "median <program> <ms> reference <ms> ratio <r>".
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/driver/driver.h"
#include "tests/e2e/autorun/autorun_support.h"
#include "tests/e2e/chronicle/chronicle_support.h"
#include "tests/e2e/config/config_support.h"

namespace {

const wchar_t reference_title[] = L"参照ダイアログ";

double now_ms() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// How one program is started and which window shows that it is up: the visible dialog of
// this title, of the started process, or of any process when the started one hands over
// to another (Autorun to Foyer, the launcher to OneDialog).
struct Cstart {
  std::wstring program;
  std::wstring arguments;
  std::wstring directory;
  std::wstring title;
  bool other_process = false;
};

// Starts the program, returns the milliseconds until its window is visible, closes that
// window and waits for the end of every process of the start.
double time_to_window(const Cstart& start) {
  driver::Cprocess process;
  const double begin = now_ms();
  EXPECT_TRUE(process.start(start.program, start.arguments, start.directory));
  HWND window = nullptr;
  while ((window = driver::find_window(start.other_process ? 0 : process.id(), start.title, L"#32770")) == nullptr) {
    if (now_ms() - begin > driver::default_timeout_ms) {
      ADD_FAILURE() << "no window titled " << testing::PrintToString(start.title) << " came up";
      return 0;
    }
    Sleep(1);
  }
  const double elapsed = now_ms() - begin;
  driver::Cprocess shown;
  if (start.other_process) {
    EXPECT_TRUE(shown.open(driver::window_process(window)));
  }
  driver::close_window(window);
  driver::expect_exit_zero(start.other_process ? shown : process);
  if (start.other_process) driver::expect_exit_zero(process);
  return elapsed;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The rounds of one program against its reference, alternating, after one untimed start of
// each (the first start of a program pays for loading it).
void compare(const char* name, const Cstart& program, const Cstart& reference) {
  wchar_t text[16] = {};
  const int rounds = GetEnvironmentVariableW(L"ZOR_BENCH_ROUNDS", text, 16) ? _wtoi(text) : 10;
  time_to_window(program);
  time_to_window(reference);
  std::vector<double> program_ms, reference_ms;
  for (int round = 0; round < rounds && !testing::Test::HasFailure(); ++round) {
    program_ms.push_back(time_to_window(program));
    reference_ms.push_back(time_to_window(reference));
    printf("%s round %d: %.1f ms, reference %.1f ms\n", name, round + 1, program_ms.back(), reference_ms.back());
  }
  ASSERT_FALSE(testing::Test::HasFailure());
  const double program_median = median(program_ms);
  const double reference_median = median(reference_ms);
  printf("median %s %.1f ms reference %.1f ms ratio %.2f\n", name, program_median, reference_median,
         program_median / reference_median);
}

Cstart one_dialog() { return {driver::program_path(L"OneDialog.exe"), L"", L"", reference_title}; }

// The assembled sample disc copied into a folder of the benchmark, with a title of its own
// (the menu's and the setup dialog's caption).
struct Cbench_disc {
  Cbench_disc() : disc(driver::binary_dir() + L"\\sample_disc\\SetupData"), title(L"起動計測 " + driver::unique_name()) {
    disc.set_ini_line(L"#GAME_TITLE", L"#GAME_TITLE = \"" + title + L"\"");
  }
  std::wstring dir_argument() const { return L"/dir=\"" + driver::doubled_backslashes(disc.dir()) + L"\""; }
  driver::Csample_disc disc;
  std::wstring title;
};

TEST(StartupBench, Setup) {
  Cbench_disc bench;
  compare("setup", {bench.disc.dir() + L"\\Setup.exe", L"/mode=\"setup\" " + bench.dir_argument(), L"", bench.title},
          one_dialog());
}

TEST(StartupBench, Foyer) {
  Cbench_disc bench;
  compare("foyer", {bench.disc.dir() + L"\\Foyer.exe", bench.dir_argument(), L"", bench.title}, one_dialog());
}

// Autorun from the disc's root until the menu of Foyer's temporary copy is up; the reference
// is OneLauncher.exe, which copies the same two programs into the same temporary folder and
// starts OneDialog.exe.
TEST(StartupBench, Autorun) {
  Cbench_disc bench;
  const std::wstring root = bench.disc.dir().substr(0, bench.disc.dir().rfind(L'\\'));
  for (const wchar_t* name : {L"Autorun.exe", L"autorun.inf"}) {
    ASSERT_TRUE(CopyFileW((driver::binary_dir() + L"\\sample_disc\\" + name).c_str(), (root + L"\\" + name).c_str(),
                          FALSE));
  }
  autorun_test::Cprogram_temp temp;
  Cstart reference = one_dialog();
  reference.program = driver::program_path(L"OneLauncher.exe");
  reference.arguments = L"\"" + bench.disc.dir() + L"\"";
  reference.other_process = true;
  compare("autorun", {root + L"\\Autorun.exe", L"", root, bench.title, true}, reference);
}

TEST(StartupBench, Config) {
  config_test::Cplace_with_file place(config_test::file_bytes(config_test::defaults));
  compare("config", {place.place.folder() + L"\\Config.exe", L"", L"", config_test::dialog_title}, one_dialog());
}

// Chronicle beside the engine, whose log already holds 100,000 lines.
TEST(StartupBench, Chronicle) {
  chronicle_test::Cplace place;
  driver::install_engine(place.folder().path());
  CreateDirectoryW((place / L"SaveData").c_str(), nullptr);
  std::string log;
  for (int line = 0; line < 100000; ++line) log += "startup bench line " + std::to_string(line) + "\r\n";
  ASSERT_TRUE(driver::write_bytes(place / L"SaveData\\log.txt", log));
  compare("chronicle", {place.chronicle(), L"", L"", chronicle_test::window_title}, one_dialog());
}

}  // namespace
