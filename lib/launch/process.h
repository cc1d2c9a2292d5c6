// Starting other programs and following them: the owner of a process handle, the starts
// through CreateProcessW and ShellExecuteExW, the wait that keeps windows alive, and the
// look for a process's top-level windows.
#ifndef ZOR_LAUNCH_PROCESS_H
#define ZOR_LAUNCH_PROCESS_H

#include <windows.h>

#include <string>

namespace ZOR {

// Owns one process handle (or none) and closes it when destroyed or reset. Closing the
// handle does not end the process. Movable, not copyable.
class Cprocess {
 public:
  Cprocess() = default;
  ~Cprocess();
  Cprocess(const Cprocess&) = delete;
  Cprocess& operator=(const Cprocess&) = delete;
  Cprocess(Cprocess&& other) noexcept;
  Cprocess& operator=(Cprocess&& other) noexcept;

  // Closes the handle held before and takes ownership of handle (may be null).
  void reset(HANDLE handle = nullptr);

  HANDLE handle() const { return handle_; }
  // Process id of the owned process; 0 when nothing is owned.
  DWORD id() const { return id_; }
  bool is_open() const { return handle_ != nullptr; }
  // True when the owned process has ended, and when nothing is owned.
  bool has_ended() const;
  // The exit code of an ended process (STILL_ACTIVE, 259, while it runs). False with
  // "GetExitCodeProcess" recorded when it cannot be read.
  bool exit_code(DWORD& code) const;

 private:
  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
};

// How the started program's first window is shown.
enum class Cstart_window {
  as_program_chooses,  // a zeroed STARTUPINFOW with only its size set
  normal,              // STARTF_USESHOWWINDOW with SW_SHOWNORMAL
};

// Starts command_line with CreateProcessW: no application name (the program is the first
// token of the command line), no inherited handles, no creation flags, this process's
// environment and current folder. The thread handle is closed at once; process receives
// the process handle. Returns false with a platform error under "CreateProcess" recorded
// (process left empty) when the start fails.
bool start_process(const std::wstring& command_line, Cprocess& process,
                   Cstart_window window = Cstart_window::as_program_chooses);

// Who tells the user that a shell start failed.
enum class Cshell_failure {
  shell_reports,   // the shell may show its own message box; the caller shows none
  caller_reports,  // SEE_MASK_FLAG_NO_UI: the caller's own message is the only box
};

// ShellExecuteExW with the verb "open" on file with parameters (empty: none), owner
// window owner (may be null), no working folder, show command show. The shell is the one
// way to start a program whose manifest asks for administrator rights: it raises the
// elevation prompt, where CreateProcessW fails with ERROR_ELEVATION_REQUIRED. With process
// given, SEE_MASK_NOCLOSEPROCESS is asked for and process receives the handle; it stays
// empty when the shell started nothing it could hand back (a document given to a running
// program). SEE_MASK_NOASYNC always: the call returns only when the start is complete,
// so a caller that ends right after it (Autorun, the menu starting the game) loses
// nothing. Returns false when the shell call fails, with a platform error under
// "ShellExecuteEx" recorded and GetLastError() still giving its code (1223 when the user
// cancelled the start).
bool shell_execute(HWND owner, const std::wstring& file, const std::wstring& parameters, Cprocess* process,
                   Cshell_failure failure, int show = SW_SHOW);

// Waits for the owned process to end while handing every message of this thread to the
// library's pump (pump_messages), so the program's windows keep painting and answering.
// After WM_QUIT the wait goes on without pumping. Returns true once the process has
// ended; false on timeout (platform error WAIT_TIMEOUT under "MsgWaitForMultipleObjectsEx"),
// on a failed wait (its platform error) or when nothing is owned (errno 22 "wait_process").
bool wait_process(const Cprocess& process, DWORD timeout_ms = INFINITE);

// Which top-level windows count for find_process_window.
enum class Cwindow_filter {
  any,           // hidden ones too
  visible_only,  // IsWindowVisible
};

// The first top-level window (EnumWindows order) that belongs to the process process_id
// and passes filter; null when it has none.
HWND find_process_window(DWORD process_id, Cwindow_filter filter);

}  // namespace ZOR

#endif
