// Test driver: starting, waiting for and terminating the program under test.
#include "tests/driver/process.h"

#include <gtest/gtest.h>

#include <vector>

namespace driver {

Cprocess::~Cprocess() { kill(); }

bool Cprocess::start(const std::wstring& program, const std::wstring& arguments,
                     const std::wstring& directory) {
  kill();
  std::wstring command_line = L"\"" + program + L"\"";
  if (!arguments.empty()) command_line += L" " + arguments;
  // CreateProcessW may write into the command line, so it gets a writable copy.
  std::vector<wchar_t> buffer(command_line.begin(), command_line.end());
  buffer.push_back(L'\0');
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &startup, &info)) {
    const DWORD error = GetLastError();
    ADD_FAILURE() << "CreateProcessW failed with error " << error << " for the command line "
                  << testing::PrintToString(command_line);
    return false;
  }
  CloseHandle(info.hThread);
  handle_ = info.hProcess;
  id_ = info.dwProcessId;
  return true;
}

bool Cprocess::open(DWORD process_id) {
  kill();
  handle_ = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION,
                        FALSE, process_id);
  if (!handle_) return false;
  id_ = process_id;
  return true;
}

bool Cprocess::running() const {
  return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT;
}

bool Cprocess::wait_exit(DWORD* exit_code, DWORD timeout_ms) {
  if (!handle_) {
    ADD_FAILURE() << "wait_exit: no process is owned";
    return false;
  }
  if (WaitForSingleObject(handle_, timeout_ms) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "process " << id_ << " did not end within " << timeout_ms << " ms";
    return false;
  }
  DWORD code = 0;
  GetExitCodeProcess(handle_, &code);
  if (exit_code) *exit_code = code;
  return true;
}

void Cprocess::kill() {
  if (!handle_) return;
  if (WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(handle_, 1);
    WaitForSingleObject(handle_, default_timeout_ms);
  }
  CloseHandle(handle_);
  handle_ = nullptr;
  id_ = 0;
}

void expect_exit_zero(Cprocess& process) {
  DWORD exit_code = 1;
  ASSERT_TRUE(process.wait_exit(&exit_code));
  EXPECT_EQ(exit_code, 0u);
}

bool wait_for(const std::function<bool()>& condition, DWORD timeout_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  while (!condition()) {
    if (GetTickCount64() > deadline) {
      ADD_FAILURE() << "a condition did not come true in time";
      return false;
    }
    Sleep(10);
  }
  return true;
}

}  // namespace driver
