// Chronicle end-to-end tests: the program's place, its start and the user's steps.
#include "tests/e2e/chronicle/chronicle_support.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace chronicle_test {

const wchar_t window_title[] = L"LumoraEngine のログ（動作状況）を表示します";

Cplace::Cplace() {
  const std::wstring built = driver::program_path(L"Chronicle.exe");
  EXPECT_TRUE(CopyFileW(built.c_str(), chronicle().c_str(), FALSE)) << "cannot copy Chronicle.exe";
}

bool Cchronicle::start(const Cplace& place) { return process.start(place.chronicle()); }

bool Cchronicle::open(const Cplace& place) {
  if (!start(place)) return false;
  window = driver::wait_dialog(id(), window_title, run_button);
  return window != nullptr;
}

int Cchronicle::row_count() const {
  HWND list = driver::item(window, log_list);
  DWORD_PTR count = 0;
  if (list == nullptr ||
      !SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, driver::default_timeout_ms, &count)) {
    return -1;
  }
  return static_cast<int>(count);
}

bool Cchronicle::wait_rows(int count) const {
  if (driver::wait_for([this, count] { return row_count() == count; })) return true;
  ADD_FAILURE() << "the list holds " << row_count() << " rows, not " << count;
  return false;
}

bool Cchronicle::last_row_shown() const {
  HWND list = driver::item(window, log_list);
  const auto top = SendMessageW(list, LVM_GETTOPINDEX, 0, 0);
  const auto per_page = SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0);
  return top + per_page >= row_count();
}

bool Cchronicle::run() { return driver::click(window, run_button); }

std::string Cchronicle::save_log(const std::wstring& path) {
  const std::string before = driver::exists(path) ? driver::read_bytes(path) : std::string();
  if (!driver::post_click(window, save_button)) return std::string();
  if (!save_in_dialog(id(), L"ログファイルを保存する", path, L"LumoraEngineLog.txt")) return std::string();
  // The dialog is gone before Chronicle has written the file, and a file being replaced
  // reads as before, then empty, until the write: wait for new content that stays (a save
  // of the same content again ends the wait by its timeout only).
  std::string saved;
  driver::wait_for([&path, &saved, &before] {
    saved = driver::read_bytes(path);
    Sleep(200);
    return !saved.empty() && saved != before && driver::read_bytes(path) == saved;
  });
  return saved;
}

void Cchronicle::expect_exit() { driver::expect_exit_zero(process); }

HWND file_name_box(HWND dialog) {
  HWND box = driver::item(dialog, cmb13);
  return box != nullptr ? box : driver::item(dialog, edt1);
}

bool save_in_dialog(DWORD process_id, const std::wstring& title, const std::wstring& path,
                    const std::wstring& preset_name) {
  HWND dialog = driver::wait_dialog(process_id, title, IDOK);
  if (dialog == nullptr) return false;
  EXPECT_EQ(driver::text_of(file_name_box(dialog)), preset_name);
  const bool replacing = driver::exists(path);
  SendMessageW(file_name_box(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  if (!driver::post_click(dialog, IDOK)) return false;
  if (replacing) {
    driver::Cmessage_box question = driver::wait_message_box(process_id);
    if (question.window == nullptr) return false;
    EXPECT_TRUE(question.has_button(IDYES) && question.has_button(IDNO)) << "a question before replacing";
    if (!driver::answer_message_box(question, IDYES)) return false;
  }
  return driver::wait_window_gone(dialog);
}

namespace {

// The full path of the program that process process_id runs; empty when it cannot be read.
std::wstring image_of(DWORD process_id) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
  if (process == nullptr) return std::wstring();
  wchar_t path[MAX_PATH] = {};
  DWORD length = MAX_PATH;
  const bool read = QueryFullProcessImageNameW(process, 0, path, &length) != FALSE;
  CloseHandle(process);
  return read ? std::wstring(path, length) : std::wstring();
}

}  // namespace

HWND wait_engine(const std::wstring& engine_path, driver::Cprocess& owner) {
  const std::wstring prefix = L"lumora_engine_main_window_";
  HWND found = nullptr;
  driver::wait_for([&] {
    for (HWND window : driver::top_level_windows(0)) {
      const DWORD process_id = driver::window_process(window);
      if (driver::class_name_of(window).compare(0, prefix.size(), prefix) == 0 &&
          lstrcmpiW(image_of(process_id).c_str(), engine_path.c_str()) == 0) {
        found = window;
        return owner.open(process_id);
      }
    }
    return false;
  });
  return found;
}

}  // namespace chronicle_test
