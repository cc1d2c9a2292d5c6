// Test driver: WM_NULL probes of a program's windows from a thread of the test.
#include "tests/driver/response_probe.h"

#include <cstdio>

#include "tests/driver/window_access.h"

namespace driver {

Cresponse_probe::Cresponse_probe(DWORD process_id) : process_id_(process_id) {
  thread_ = CreateThread(nullptr, 0, run, this, 0, nullptr);
}

Cresponse_probe::~Cresponse_probe() {
  stop_ = true;
  if (thread_ != nullptr) {
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
}

DWORD WINAPI Cresponse_probe::run(void* self) {
  auto& probe = *static_cast<Cresponse_probe*>(self);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  while (!probe.stop_) {
    for (HWND window : top_level_windows(probe.process_id_)) {
      if (!IsWindowVisible(window)) continue;
      LARGE_INTEGER start, end;
      QueryPerformanceCounter(&start);
      DWORD_PTR result = 0;
      SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, default_timeout_ms, &result);
      QueryPerformanceCounter(&end);
      const auto ms = static_cast<unsigned>((end.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart);
      if (ms > probe.longest_ms_) probe.longest_ms_ = ms;
    }
    Sleep(10);
  }
  return 0;
}

void report_sweep(const char* name, int injected, int clean, unsigned longest_ms) {
  std::printf("[ SWEEP    ] %s: %d faults injected, %d ended clean, longest unanswered %u ms\n", name, injected,
              clean, longest_ms);
  std::fflush(stdout);
}

}  // namespace driver
