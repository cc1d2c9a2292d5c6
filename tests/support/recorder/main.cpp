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
#include "tests/support/stand_in_window.h"

namespace {

const wchar_t window_class[] = L"zor_recorder_window";

void append_record(const std::wstring& record_path, const std::wstring& own_path) {
  ZOR::Cfile record;
  if (record.open(record_path, L"ab")) record.write_text(own_path + L"\t" + GetCommandLineW() + L"\n");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  wchar_t own_path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, own_path, MAX_PATH);
  const std::wstring base = ZOR::strip_extension(own_path);
  append_record(base + L".started.txt", own_path);
  // The window is opened only after the record is written, so a test that sees the window
  // finds the record too.
  if (ZOR::path_kind(base + L".stay") == 1 &&
      zor_test::open_stand_in_window(instance, window_class, ZOR::file_name_of(own_path)) != nullptr) {
    ZOR::run_main_loop();
  }
  return 0;
}
