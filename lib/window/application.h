// The application record, the shared program entry, and the non-blocking message pump.
#ifndef ZOR_WINDOW_APPLICATION_H
#define ZOR_WINDOW_APPLICATION_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace ZOR {

// What the program entry learnt, and the windows the pump serves. One per program,
// used by the GUI thread only.
struct Capplication {
  HINSTANCE instance = nullptr;
  // Its destruction ends the message loop; it owns the library's message boxes. Written
  // only through set_main_window_handle, which keeps the message-box owner in step.
  HWND main_window = nullptr;
  std::wstring command_line;
  std::wstring program_folder;  // without a final '\'
  std::wstring program_name;    // the executable's file name without its extension
  std::wstring display_name;    // set by the program for itself; the library ignores it
  std::wstring documents_folder;
  // Bound windows that have received WM_CREATE or WM_INITDIALOG, in that order.
  std::vector<HWND> window_list;
  bool quit_received = false;
};

extern Capplication application;
// Handles of the windows created with snapping on, in creation order.
extern std::vector<HWND> snap_list;

// Makes window the main window (nullptr: none) and the owner of the message boxes.
void set_main_window_handle(HWND window);

// Fills the application record from the entry's arguments and the running module: folder,
// name, current directory, documents folder. Part of run_program; callable on its own
// (tests) with the module handle of the running executable.
void init_application(HINSTANCE instance, const wchar_t* command_line);

// The entry shared by every program: locale "japanese", the application record, COM, the
// common controls and "riched32.dll"; then program_main, then the clean-up. Returns the
// process exit code, which is always 0 (also when "riched32.dll" is missing, after its
// message).
int run_program(HINSTANCE instance, const wchar_t* command_line, const std::function<void()>& program_main);

// Handles every queued message without blocking: each is offered to the dialogs of
// window_list through IsDialogMessageW, else translated and dispatched. Returns true when
// the queue is empty, false once WM_QUIT was taken (and on every later call).
bool pump_messages();

// The main loop: while pump_messages returns true, per_pass (when given) and Sleep(1).
void run_main_loop(const std::function<void()>& per_pass = std::function<void()>());

}  // namespace ZOR

#endif
