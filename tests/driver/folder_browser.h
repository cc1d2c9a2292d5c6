// Test driver: choosing a folder in the platform's folder browser of a program under test.
#ifndef ZOR_TESTS_DRIVER_FOLDER_BROWSER_H
#define ZOR_TESTS_DRIVER_FOLDER_BROWSER_H

#include <windows.h>

#include <string>

#include "tests/driver/process.h"

namespace driver {

// The folder browser's selection can only be set from inside the browsing process (its
// message takes a pointer). This owner installs a global CBT hook from zor_browse_hook.dll
// (built beside the tests); the platform loads the DLL into the program under test, where
// the hook selects the requested folder when the browser opens. The program itself needs
// no test code. The hook is removed when the owner is destroyed.
class Cfolder_browser_hook {
 public:
  Cfolder_browser_hook();  // a failure to load or install is a test failure
  ~Cfolder_browser_hook();
  Cfolder_browser_hook(const Cfolder_browser_hook&) = delete;
  Cfolder_browser_hook& operator=(const Cfolder_browser_hook&) = delete;

  // The next folder browser that process_id activates gets folder selected. Replaces an
  // earlier request for the same process. False (test failure) when it cannot be left.
  bool request_selection(DWORD process_id, const std::wstring& folder);
  // Waits until the hook has applied the request; false on timeout (a test failure when
  // report_timeout is set).
  bool wait_applied(DWORD timeout_ms = default_timeout_ms, bool report_timeout = true);
  // Presses button_id of dialog (a window of process_id) and returns the folder browser
  // (caption title) it opens, once folder is selected in it. Now and then the platform's
  // browser keeps its first selection whatever it is told; such a browser is cancelled
  // and opened again, three times at most. Null (test failure) when none takes it.
  HWND open_with_selection(DWORD process_id, HWND dialog, int button_id, const std::wstring& title,
                           const std::wstring& folder);

 private:
  void release_request();

  HMODULE module_ = nullptr;
  HHOOK hook_ = nullptr;
  HANDLE mapping_ = nullptr;
  struct Cbrowse_request* request_ = nullptr;
};

}  // namespace driver

#endif
