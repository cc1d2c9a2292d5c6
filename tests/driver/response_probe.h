// Test driver: how long the windows of a program under test keep the user waiting.
#ifndef ZOR_TESTS_DRIVER_RESPONSE_PROBE_H
#define ZOR_TESTS_DRIVER_RESPONSE_PROBE_H

#include <windows.h>

#include <atomic>

namespace driver {

// For its lifetime, a thread of its own sends WM_NULL (SendMessageTimeoutW) to every visible
// top-level window of the process about every 10 ms and keeps the longest time one took to
// answer: what a user clicking that window would have waited at worst.
class Cresponse_probe {
 public:
  explicit Cresponse_probe(DWORD process_id);
  ~Cresponse_probe();  // stops the thread and waits for it
  Cresponse_probe(const Cresponse_probe&) = delete;
  Cresponse_probe& operator=(const Cresponse_probe&) = delete;

  // Longest answer so far, in milliseconds.
  unsigned longest_ms() const { return longest_ms_; }

 private:
  static DWORD WINAPI run(void* self);

  DWORD process_id_;
  std::atomic<bool> stop_{false};
  std::atomic<unsigned> longest_ms_{0};
  HANDLE thread_ = nullptr;
};

// Prints a sweep's figures on one line (as docs/reliability.md quotes them):
// "[ SWEEP    ] name: N faults injected, M ended clean, longest unanswered L ms".
void report_sweep(const char* name, int injected, int clean, unsigned longest_ms);

}  // namespace driver

#endif
