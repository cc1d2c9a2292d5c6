// Test driver: a program under test, started and owned by the test (killed on teardown).
#ifndef ZOR_TESTS_DRIVER_PROCESS_H
#define ZOR_TESTS_DRIVER_PROCESS_H

#include <windows.h>

#include <functional>
#include <string>

namespace driver {

// Generous default for every wait of the driver; a wait that runs out is a test failure.
constexpr DWORD default_timeout_ms = 30000;

// Owns one process handle. A process still running when its owner is destroyed is
// terminated (and waited for), so a failing test never leaves programs behind.
class Cprocess {
 public:
  Cprocess() = default;
  ~Cprocess();
  Cprocess(const Cprocess&) = delete;
  Cprocess& operator=(const Cprocess&) = delete;

  // Starts program (a full Windows path) with the command line "\"program\" arguments"
  // (just "\"program\"" when arguments is empty) in directory (empty: the test's current
  // directory). Returns false, with a test failure naming the platform error, when
  // CreateProcessW fails. Any process owned before is terminated first.
  bool start(const std::wstring& program, const std::wstring& arguments = L"",
             const std::wstring& directory = L"");
  // Takes ownership of a running process that the test did not start (for example one
  // started by the program under test, found through its window). False when it
  // cannot be opened.
  bool open(DWORD process_id);

  // Process id, 0 when nothing is owned.
  DWORD id() const { return id_; }
  HANDLE handle() const { return handle_; }
  // True while the owned process has not ended.
  bool running() const;
  // Waits for the process to end and returns true with its exit code in *exit_code (when
  // given). On timeout: false and a test failure; the process keeps running.
  bool wait_exit(DWORD* exit_code = nullptr, DWORD timeout_ms = default_timeout_ms);
  // Terminates the process when it is still running (exit code 1), waits for its end and
  // releases the handle. Nothing is owned afterwards.
  void kill();

 private:
  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
};

// Waits for the end of process and checks that its exit code is 0 (test failures).
void expect_exit_zero(Cprocess& process);

// Polls condition every 10 ms until it holds; false (test failure) on timeout.
bool wait_for(const std::function<bool()>& condition, DWORD timeout_ms = default_timeout_ms);

}  // namespace driver

#endif
