// Test driver: the request that the test process leaves for the browse hook of one process.
#ifndef ZOR_TESTS_DRIVER_BROWSE_REQUEST_H
#define ZOR_TESTS_DRIVER_BROWSE_REQUEST_H

#include <windows.h>

#include <string>

namespace driver {

// Shared memory between the test and the hook inside the program under test.
struct Cbrowse_request {
  volatile LONG pending;   // 1: the next browser gets path selected
  volatile LONG applied;   // set to 1 by the hook once it selected path
  wchar_t path[1024];
  wchar_t selected[260];   // what the browser's tree showed selected last (for failure reports)
};

// Name of the file mapping that holds the request for process_id.
inline std::wstring browse_request_name(DWORD process_id) {
  return L"Local\\zor_browse_request_" + std::to_wstring(process_id);
}

}  // namespace driver

#endif
