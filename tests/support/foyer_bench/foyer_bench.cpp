// FoyerBench.exe, run by scripts/bench_foyer.sh: the time from starting Foyer on a copy of
// the sample disc to its menu being visible, against the time OneDialog.exe needs to show
// its one dialog, started alternately ZOR_BENCH_ROUNDS times (default 10). Prints every
// round and "median foyer <ms> reference <ms> ratio <r>".
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/driver/driver.h"

namespace {

double now_ms() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A visible top-level window of the process; null when it has none yet.
HWND visible_window(DWORD process_id) {
  for (HWND window : driver::top_level_windows(process_id)) {
    if (IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// Starts program, returns the milliseconds until its first window is visible, closes it.
double time_to_window(const std::wstring& program, const std::wstring& arguments) {
  driver::Cprocess process;
  const double start = now_ms();
  EXPECT_TRUE(process.start(program, arguments));
  HWND window = nullptr;
  while ((window = visible_window(process.id())) == nullptr) {
    if (now_ms() - start > driver::default_timeout_ms) {
      ADD_FAILURE() << "no window came up";
      return 0;
    }
    Sleep(1);
  }
  const double elapsed = now_ms() - start;
  driver::close_window(window);
  driver::expect_exit_zero(process);
  return elapsed;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

TEST(FoyerBench, MenuAgainstOneDialog) {
  wchar_t text[16] = {};
  const int rounds = GetEnvironmentVariableW(L"ZOR_BENCH_ROUNDS", text, 16) ? _wtoi(text) : 10;
  driver::Csample_disc disc(driver::binary_dir() + L"\\sample_disc\\SetupData");
  const std::wstring foyer = disc.dir() + L"\\Foyer.exe";
  const std::wstring arguments = L"/dir=\"" + driver::doubled_backslashes(disc.dir()) + L"\"";
  const std::wstring reference = driver::program_path(L"OneDialog.exe");
  // One start of each first, untimed: the first start of a program pays for loading it.
  time_to_window(foyer, arguments);
  time_to_window(reference, L"");
  std::vector<double> foyer_ms, reference_ms;
  for (int round = 0; round < rounds; ++round) {
    foyer_ms.push_back(time_to_window(foyer, arguments));
    reference_ms.push_back(time_to_window(reference, L""));
    printf("round %d: foyer %.1f ms, reference %.1f ms\n", round + 1, foyer_ms.back(), reference_ms.back());
  }
  const double foyer_median = median(foyer_ms);
  const double reference_median = median(reference_ms);
  printf("median foyer %.1f ms reference %.1f ms ratio %.2f\n", foyer_median, reference_median,
         foyer_median / reference_median);
}

}  // namespace
