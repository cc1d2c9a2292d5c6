// Autorun end-to-end tests: disc folders, the programs' temporary folder, and the checks.
#include "tests/e2e/autorun/autorun_support.h"

#include <gtest/gtest.h>

#include "lib/cmdline/command_line.h"
#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/text/codepage.h"

namespace autorun_test {
namespace {

std::wstring environment(const wchar_t* name) {
  wchar_t value[2048] = L"";
  const DWORD length = GetEnvironmentVariableW(name, value, 2048);
  return length > 0 && length < 2048 ? std::wstring(value) : std::wstring();
}

void restore_environment(const wchar_t* name, const std::wstring& value) {
  SetEnvironmentVariableW(name, value.empty() ? nullptr : value.c_str());
}

// The recorder's record beside program_path: "<name>.started.txt".
std::wstring record_path(const std::wstring& program_path) {
  return program_path.substr(0, program_path.size() - std::wstring(L".exe").size()) + L".started.txt";
}

}  // namespace

Cdisc::Cdisc() {
  EXPECT_TRUE(CopyFileW(driver::program_path(L"Autorun.exe").c_str(), (folder_ / L"Autorun.exe").c_str(), FALSE));
}

std::wstring Cdisc::setup_data(const std::wstring& name) const {
  const std::wstring path = folder_ / name;
  EXPECT_TRUE(ZOR::create_directory(path)) << testing::PrintToString(path);
  return path;
}

std::wstring Cdisc::add_program(const std::wstring& file_name, const std::wstring& name) const {
  const std::wstring path = setup_data(name) + L"\\" + file_name;
  EXPECT_TRUE(CopyFileW(driver::program_path(L"Recorder.exe").c_str(), path.c_str(), FALSE))
      << testing::PrintToString(path);
  return path;
}

std::wstring Cdisc::write_ini(const std::wstring& text) const {
  return folder_.file(L"Autorun.ini", ZOR::to_multibyte(text));
}

Cprogram_temp::Cprogram_temp() : saved_tmp_(environment(L"TMP")), saved_temp_(environment(L"TEMP")) {
  SetEnvironmentVariableW(L"TMP", folder_.path().c_str());
  SetEnvironmentVariableW(L"TEMP", folder_.path().c_str());
}

Cprogram_temp::~Cprogram_temp() {
  restore_environment(L"TMP", saved_tmp_);
  restore_environment(L"TEMP", saved_temp_);
}

std::wstring dir_parameter(const std::wstring& setup_data_folder) {
  return L"/dir=\"" + ZOR::escape_argument_value(setup_data_folder) + L"\"";
}

std::wstring wait_started_arguments(const std::wstring& program_path) {
  const std::wstring record = record_path(program_path);
  for (DWORD waited = 0; waited < driver::default_timeout_ms; waited += 50) {
    const std::wstring text = ZOR::from_multibyte(driver::read_bytes(record));
    const std::size_t line_end = text.find(L'\n');
    const std::size_t tab = text.find(L'\t');
    if (line_end != std::wstring::npos && tab < line_end) {
      // The recorder's line: its path, a tab, its command line ("<program>" arguments).
      const std::wstring command_line = text.substr(tab + 1, line_end - tab - 1);
      std::size_t program_end = command_line[0] == L'"' ? command_line.find(L'"', 1) + 1 : command_line.find(L' ');
      if (program_end == 0 || program_end == std::wstring::npos) program_end = command_line.size();
      const std::size_t arguments = command_line.find_first_not_of(L' ', program_end);
      return arguments == std::wstring::npos ? std::wstring() : command_line.substr(arguments);
    }
    Sleep(50);
  }
  ADD_FAILURE() << "nothing recorded the start of " << testing::PrintToString(program_path);
  return L"";
}

bool was_started(const std::wstring& program_path) { return driver::exists(record_path(program_path)); }

bool Cautorun::start(const Cdisc& disc) { return process.start(disc.root() + L"\\Autorun.exe", L"", disc.root()); }

bool Cautorun::expect_box(const std::wstring& text, driver::Box_icon icon) {
  const driver::Cmessage_box box = driver::wait_message_box(process.id());
  if (!box.window) return false;
  EXPECT_EQ(box.caption, L"Autorun.exe");
  EXPECT_EQ(box.text, text);
  EXPECT_STREQ(driver::icon_name(box.icon), driver::icon_name(icon));
  return driver::answer_message_box(box, IDOK);
}

void Cautorun::expect_end() {
  DWORD exit_code = 1;
  ASSERT_TRUE(process.wait_exit(&exit_code));
  EXPECT_EQ(exit_code, 0u);
}

std::wstring win32_error_text(DWORD code, const std::wstring& operation) {
  ZOR::Cerror_info info;
  info.kind = ZOR::Cerror_info::kind_win32;
  info.code = static_cast<std::int32_t>(code);
  info.operation = operation;
  return ZOR::error_text(info);
}

}  // namespace autorun_test
