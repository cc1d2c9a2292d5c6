// Test driver: the global browse hook's owner and the requests it hands to the hook.
#include "tests/driver/folder_browser.h"

#include <gtest/gtest.h>

#include "tests/driver/browse_request.h"
#include "tests/driver/test_places.h"
#include "tests/driver/window_access.h"

namespace driver {

Cfolder_browser_hook::Cfolder_browser_hook() {
  std::wstring dll = binary_dir() + L"\\tests\\zor_browse_hook.dll";
  module_ = LoadLibraryW(dll.c_str());
  if (module_ == nullptr) {
    ADD_FAILURE() << "cannot load " << testing::PrintToString(dll) << ", error " << GetLastError();
    return;
  }
  using install_function = HHOOK (*)();
  // Through a generic function pointer: FARPROC and the real type are not compatible casts.
  auto install = reinterpret_cast<install_function>(
      reinterpret_cast<void (*)()>(GetProcAddress(module_, "zor_install_browse_hook")));
  hook_ = install != nullptr ? install() : nullptr;
  if (hook_ == nullptr) ADD_FAILURE() << "the browse hook could not be installed, error " << GetLastError();
}

Cfolder_browser_hook::~Cfolder_browser_hook() {
  release_request();
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  if (module_ != nullptr) FreeLibrary(module_);
}

void Cfolder_browser_hook::release_request() {
  if (request_ != nullptr) UnmapViewOfFile(request_);
  if (mapping_ != nullptr) CloseHandle(mapping_);
  request_ = nullptr;
  mapping_ = nullptr;
}

bool Cfolder_browser_hook::request_selection(DWORD process_id, const std::wstring& folder) {
  release_request();
  if (folder.size() >= sizeof(Cbrowse_request::path) / sizeof(wchar_t)) {
    ADD_FAILURE() << "folder too long for a browse request";
    return false;
  }
  mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(Cbrowse_request),
                                browse_request_name(process_id).c_str());
  if (mapping_ != nullptr) {
    request_ = static_cast<Cbrowse_request*>(MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, sizeof(Cbrowse_request)));
  }
  if (request_ == nullptr) {
    ADD_FAILURE() << "the browse request could not be shared, error " << GetLastError();
    release_request();
    return false;
  }
  folder.copy(request_->path, folder.size());
  request_->path[folder.size()] = L'\0';
  request_->applied = 0;
  request_->selected[0] = L'\0';
  InterlockedExchange(&request_->pending, 1);
  return true;
}

bool Cfolder_browser_hook::wait_applied(DWORD timeout_ms, bool report_timeout) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  while (request_ != nullptr && GetTickCount64() < deadline) {
    if (request_->applied != 0) return true;
    Sleep(20);
  }
  if (!report_timeout) return false;
  ADD_FAILURE() << "the folder browser did not take the requested selection in time; its tree showed "
                << testing::PrintToString(std::wstring(request_ != nullptr ? request_->selected : L""))
                << " selected";
  return false;
}

HWND Cfolder_browser_hook::open_with_selection(DWORD process_id, HWND dialog, int button_id,
                                               const std::wstring& title, const std::wstring& folder) {
  const int attempts = 3;
  for (int attempt = 1; attempt <= attempts; ++attempt) {
    if (!request_selection(process_id, folder) || !click(dialog, button_id)) return nullptr;
    HWND browser = wait_window(process_id, title, L"#32770");
    if (browser == nullptr) return nullptr;
    const bool last = attempt == attempts;
    if (wait_applied(last ? default_timeout_ms : 10000, last)) return browser;
    if (last || !click(browser, IDCANCEL) || !wait_window_gone(browser)) return nullptr;
    // The dialog takes the cancelled browser's answer before the button is pressed again.
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, process_id);
    if (process != nullptr) {
      WaitForInputIdle(process, default_timeout_ms);
      CloseHandle(process);
    }
  }
  return nullptr;
}

}  // namespace driver
