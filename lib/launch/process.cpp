// Starting other programs and following them.
#include "lib/launch/process.h"

#include <shellapi.h>

#include <vector>

#include "lib/error/error.h"
#include "lib/window/application.h"

namespace ZOR {

Cprocess::~Cprocess() {
  reset();
}

Cprocess::Cprocess(Cprocess&& other) noexcept : handle_(other.handle_), id_(other.id_) {
  other.handle_ = nullptr;
  other.id_ = 0;
}

Cprocess& Cprocess::operator=(Cprocess&& other) noexcept {
  if (this != &other) {
    reset();
    handle_ = other.handle_;
    id_ = other.id_;
    other.handle_ = nullptr;
    other.id_ = 0;
  }
  return *this;
}

void Cprocess::reset(HANDLE handle) {
  if (handle_ != nullptr) CloseHandle(handle_);
  handle_ = handle;
  id_ = handle != nullptr ? GetProcessId(handle) : 0;
}

bool Cprocess::has_ended() const {
  return handle_ == nullptr || WaitForSingleObject(handle_, 0) == WAIT_OBJECT_0;
}

bool Cprocess::exit_code(DWORD& code) const {
  if (handle_ == nullptr) {
    set_invalid_argument_error(L"GetExitCodeProcess");
    return false;
  }
  if (!GetExitCodeProcess(handle_, &code)) {
    set_win32_error(L"GetExitCodeProcess");
    return false;
  }
  return true;
}

bool start_process(const std::wstring& command_line, Cprocess& process, Cstart_window window) {
  process.reset();
  // CreateProcessW may write into the command line, so it gets a copy of its own.
  std::vector<wchar_t> buffer(command_line.begin(), command_line.end());
  buffer.push_back(L'\0');
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  if (window == Cstart_window::normal) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
  }
  PROCESS_INFORMATION started = {};
  if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started)) {
    set_win32_error(L"CreateProcess");
    return false;
  }
  // Nothing here uses the first thread; only the process handle is kept.
  CloseHandle(started.hThread);
  process.reset(started.hProcess);
  return true;
}

namespace {

// The platform code of a failed ShellExecuteExW. A shell that has shown its own message
// box (Wine's does, without SEE_MASK_FLAG_NO_UI) can leave the last-error value at 0; the
// shell's answer in hInstApp (an SE_ERR_ value) then tells what failed.
DWORD shell_failure_code(DWORD last_error, HINSTANCE answer) {
  if (last_error != ERROR_SUCCESS) return last_error;
  const INT_PTR value = reinterpret_cast<INT_PTR>(answer);
  switch (value) {
    case SE_ERR_SHARE:
      return ERROR_SHARING_VIOLATION;
    case SE_ERR_NOASSOC:
    case SE_ERR_ASSOCINCOMPLETE:
      return ERROR_NO_ASSOCIATION;
    case SE_ERR_DLLNOTFOUND:
      return ERROR_DLL_NOT_FOUND;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY:
      return ERROR_DDE_FAIL;
    default:
      // The lower answers (file or path not found, access denied, out of memory, bad
      // format) are the platform codes themselves.
      return value > 0 && value <= 32 ? static_cast<DWORD>(value) : ERROR_GEN_FAILURE;
  }
}

}  // namespace

bool shell_execute(HWND owner, const std::wstring& file, const std::wstring& parameters, Cprocess* process,
                   Cshell_failure failure, int show) {
  if (process != nullptr) process->reset();
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOASYNC;
  if (process != nullptr) info.fMask |= SEE_MASK_NOCLOSEPROCESS;
  if (failure == Cshell_failure::caller_reports) info.fMask |= SEE_MASK_FLAG_NO_UI;
  info.hwnd = owner;
  info.lpVerb = L"open";
  info.lpFile = file.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.nShow = show;
  if (!ShellExecuteExW(&info)) {
    const DWORD code = shell_failure_code(GetLastError(), info.hInstApp);
    set_win32_error_code(static_cast<std::int32_t>(code), L"ShellExecuteEx");
    // Callers tell a cancelled start (1223) from a failure by the last-error value.
    SetLastError(code);
    return false;
  }
  if (process != nullptr) process->reset(info.hProcess);
  return true;
}

bool wait_process(const Cprocess& process, DWORD timeout_ms) {
  HANDLE handle = process.handle();
  if (handle == nullptr) {
    set_invalid_argument_error(L"wait_process");
    return false;
  }
  const ULONGLONG start = GetTickCount64();
  bool pumping = true;
  for (;;) {
    DWORD wait_ms = INFINITE;
    if (timeout_ms != INFINITE) {
      const ULONGLONG passed = GetTickCount64() - start;
      wait_ms = passed >= timeout_ms ? 0 : static_cast<DWORD>(timeout_ms - passed);
    }
    // Once the pump has taken WM_QUIT it no longer empties the queue, so waking up for
    // queued input would spin: from then on only the process counts.
    const DWORD result = pumping ? MsgWaitForMultipleObjectsEx(1, &handle, wait_ms, QS_ALLINPUT,
                                                               MWMO_INPUTAVAILABLE)
                                 : WaitForSingleObject(handle, wait_ms);
    if (result == WAIT_OBJECT_0) return true;
    if (result == WAIT_OBJECT_0 + 1 && pumping) {
      pumping = pump_messages();
      continue;
    }
    if (result == WAIT_TIMEOUT) {
      set_win32_error_code(WAIT_TIMEOUT, L"MsgWaitForMultipleObjectsEx");
      return false;
    }
    set_win32_error(L"MsgWaitForMultipleObjectsEx");
    return false;
  }
}

namespace {

struct Cwindow_search {
  DWORD process_id;
  Cwindow_filter filter;
  HWND found;
};

BOOL CALLBACK match_process_window(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<Cwindow_search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.process_id) return TRUE;
  if (search.filter == Cwindow_filter::visible_only && !IsWindowVisible(window)) return TRUE;
  search.found = window;
  return FALSE;
}

}  // namespace

HWND find_process_window(DWORD process_id, Cwindow_filter filter) {
  if (process_id == 0) return nullptr;
  Cwindow_search search = {process_id, filter, nullptr};
  EnumWindows(match_process_window, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace ZOR
