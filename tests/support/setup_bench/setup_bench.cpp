// SetupBench.exe, run by scripts/bench_setup.sh: one timed copy of a disc's GameData, either
// by the real Setup.exe (driven through its dialogs, timed from the Yes to the start question
// until the completion message) or by the reference loop that calls CopyFileW per file.
// Environment: ZOR_BENCH_MODE ("setup", "copy" or "cleanup") and ZOR_BENCH_DISC (the setup
// data folder). The copy goes below the temporary folder and is deleted after the run.
// Prints "seconds <n>".
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "lib/cmdline/command_line.h"
#include "tests/driver/driver.h"

namespace {

const wchar_t title[] = L"ベンチマーク";
const wchar_t reg_path[] = L"ZorBench\\Disc";

std::wstring environment(const wchar_t* name) {
  wchar_t value[1024] = {};
  DWORD length = GetEnvironmentVariableW(name, value, 1024);
  return length > 0 && length < 1024 ? std::wstring(value) : std::wstring();
}

double seconds_since(const LARGE_INTEGER& start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The reference: every folder created, every file copied with CopyFileW.
void copy_tree(const std::wstring& from, const std::wstring& to) {
  CreateDirectoryW(to.c_str(), nullptr);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((from + L"\\*").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  do {
    std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      copy_tree(from + L"\\" + name, to + L"\\" + name);
    } else {
      ASSERT_TRUE(CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE));
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

void bench_copy(const std::wstring& disc, const std::wstring& out) {
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  CreateDirectoryW((out + L"\\ZorBench").c_str(), nullptr);
  copy_tree(disc + L"\\GameData", out + L"\\ZorBench\\Disc");
  printf("seconds %.3f\n", seconds_since(start));
}

HWND wait_dialog(DWORD process, const std::wstring& window_title, int item_id) {
  for (int i = 0; i < 3000; ++i) {
    for (HWND window : driver::top_level_windows(process)) {
      if (driver::is_visible(window) && driver::text_of(window) == window_title && driver::item(window, item_id) &&
          !driver::is_message_box(window)) {
        return window;
      }
    }
    Sleep(10);
  }
  return nullptr;
}

void bench_setup(const std::wstring& disc, const std::wstring& out) {
  driver::Cfolder_browser_hook hook;
  driver::Cprocess setup;
  ASSERT_TRUE(setup.start(driver::program_path(L"Setup.exe"),
                          L"/mode=\"setup\" /dir=\"" + ZOR::escape_argument_value(disc) + L"\""));
  HWND dialog = wait_dialog(setup.id(), title, 1010);
  ASSERT_TRUE(dialog);
  HWND browser = hook.open_with_selection(setup.id(), dialog, 1002, L"セットアップ先の選択", out);
  ASSERT_TRUE(browser);
  ASSERT_TRUE(driver::click(browser, IDOK));
  ASSERT_TRUE(driver::wait_window_gone(browser));
  const std::wstring destination = out + L"\\" + reg_path;
  for (int i = 0; i < 3000 && driver::item_text(dialog, 1001) != destination; ++i) Sleep(10);
  ASSERT_EQ(driver::item_text(dialog, 1001), destination);
  ASSERT_TRUE(driver::click(dialog, 1010));
  driver::Cmessage_box question = driver::wait_message_box(setup.id());
  ASSERT_EQ(question.text, L"セットアップを開始します。よろしいですか？");
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  ASSERT_TRUE(driver::post_click(question.window, IDYES));
  ASSERT_TRUE(driver::wait_window_gone(question.window));
  // Looked for every 50 ms only: the wineserver that serves the driver's look also serves
  // every call of Setup's copy.
  while (!driver::find_message_box(setup.id()) && seconds_since(start) < 600) Sleep(50);
  double seconds = seconds_since(start);
  driver::Cmessage_box done = driver::wait_message_box(setup.id());
  ASSERT_EQ(done.text, L"セットアップが完了しました。");
  printf("seconds %.3f\n", seconds);
  ASSERT_TRUE(driver::answer_message_box(done, IDOK));
  ASSERT_TRUE(setup.wait_exit());
}

// The destination base folder: below the temporary folder, emptied first.
std::wstring fresh_destination() {
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  std::wstring out = std::wstring(temp) + L"zor_bench_out";
  driver::remove_folder_tree(out);
  CreateDirectoryW(out.c_str(), nullptr);
  return out;
}

TEST(SetupBench, OneRun) {
  const std::wstring mode = environment(L"ZOR_BENCH_MODE");
  const std::wstring disc = environment(L"ZOR_BENCH_DISC");
  if (mode == L"setup" || mode == L"copy") {
    const std::wstring out = fresh_destination();
    if (mode == L"setup") {
      bench_setup(disc, out);
    } else {
      bench_copy(disc, out);
    }
    driver::remove_folder_tree(out);
  } else if (mode == L"cleanup") {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\ZorBench");
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\ZorBench");
  } else {
    FAIL() << "ZOR_BENCH_MODE must be setup, copy or cleanup";
  }
}

}  // namespace
