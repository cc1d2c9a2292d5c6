// OneDialog.exe, the reference of scripts/bench_startup.sh: the plainest Win32 program that
// shows one dialog (no library, no files read) and ends when it is closed.
#include <windows.h>

namespace {

INT_PTR CALLBACK dialog_proc(HWND dialog, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_CLOSE:
      EndDialog(dialog, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  DialogBoxParamW(instance, MAKEINTRESOURCEW(101), nullptr, dialog_proc, 0);
  return 0;
}
