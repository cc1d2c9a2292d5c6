// Opening paths and documents with the shell.
#include "lib/launch/shell.h"

#include <windows.h>
#include <shellapi.h>

#include "lib/error/error.h"
#include "lib/launch/process.h"
#include "lib/window/application.h"

namespace ZOR {

namespace {

// The text for a FindExecutableW answer of 32 or less.
const wchar_t* find_executable_message(INT_PTR answer) {
  switch (answer) {
    case SE_ERR_FNF:
      return L"The specified file was not found.";
    case SE_ERR_OOM:
      return L"The system is out of memory or resources.";
    case SE_ERR_NOASSOC:
      return L"There is no association for the specified file type.";
    default:
      return L"不明なエラーです。";
  }
}

}  // namespace

bool shell_open(const std::wstring& path) {
  // The shell is asked for the process handle; nothing here needs it, so its owner
  // closes it again at once.
  Cprocess started;
  return shell_execute(application.main_window, path, std::wstring(), &started, Cshell_failure::caller_reports,
                       SW_SHOWNORMAL);
}

bool open_with_associated_program(const std::wstring& document) {
  wchar_t program[MAX_PATH] = {};
  const auto answer = reinterpret_cast<INT_PTR>(FindExecutableW(document.c_str(), nullptr, program));
  if (answer <= 32) {
    set_message_error(find_executable_message(answer), L"FindExecutable");
    return false;
  }
  Cprocess started;
  return start_process(associated_program_command_line(program, document), started, Cstart_window::normal);
}

std::wstring associated_program_command_line(const std::wstring& program, const std::wstring& document) {
  const bool needs_quotes = program.find(L' ') != std::wstring::npos && program.front() != L'"';
  const std::wstring program_text = needs_quotes ? L"\"" + program + L"\"" : program;
  return program_text + L" \"" + document + L"\"";
}

}  // namespace ZOR
