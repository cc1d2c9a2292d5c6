// Recorder.exe, a stand-in for the programs the disc tools start (DXSETUP.exe, Kickoff.exe,
// the extra button's program, Foyer.exe for Autorun): tests copy it under those names.
//
// Every start appends one line to "<own name without .exe>.started.txt" beside the
// executable, in the ANSI code page, ended by a line feed: its own full path, a tab, and its full
// command line (GetCommandLineW). Then it exits with 0 at once, or, when a file
// "<own name without .exe>.stay" lies beside it, it first opens a visible top-level window
// of the class "zor_recorder_window" titled with its file name and stays until that window
// is closed (WM_CLOSE), so that a test can follow a "wait for it" flow.
#include <windows.h>

#include <string>

#include "lib/file/file.h"
#include "lib/text/text.h"
#include "lib/window/application.h"

namespace {

const wchar_t window_class[] = L"zor_recorder_window";

void append_record(const std::wstring& record_path, const std::wstring& own_path) {
  ZOR::Cfile record;
  if (record.open(record_path, L"ab")) record.write_text(own_path + L"\t" + GetCommandLineW() + L"\n");
}

LRESULT CALLBACK recorder_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

// Opens the window named title and pumps until it is closed.
void stay_until_closed(HINSTANCE instance, const std::wstring& title) {
  WNDCLASSW window_class_info = {};
  window_class_info.lpfnWndProc = recorder_window_proc;
  window_class_info.hInstance = instance;
  window_class_info.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class_info.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class_info.lpszClassName = window_class;
  RegisterClassW(&window_class_info);
  HWND window = CreateWindowExW(0, window_class, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320,
                                120, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return;
  ZOR::run_main_loop();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  wchar_t own_path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, own_path, MAX_PATH);
  const std::wstring base = ZOR::strip_extension(own_path);
  append_record(base + L".started.txt", own_path);
  if (ZOR::path_kind(base + L".stay") == 1) stay_until_closed(instance, ZOR::file_name_of(own_path));
  return 0;
}
