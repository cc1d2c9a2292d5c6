// Autorun end-to-end tests: disc folders, the programs' temporary folder, and the checks.
#include "tests/e2e/autorun/autorun_support.h"

#include <gtest/gtest.h>

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
  driver::install_recorder(path);
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
  return L"/dir=\"" + driver::doubled_backslashes(setup_data_folder) + L"\"";
}

std::wstring wait_started_arguments(const std::wstring& program) {
  if (!driver::wait_for_lines(driver::start_record_path(program), 1)) return L"";
  // The command line: the program in quotation marks, a blank, the arguments.
  const std::wstring command_line = driver::read_start_records(program).front().command_line;
  const std::size_t program_end = command_line.find(L"\" ");
  return program_end == std::wstring::npos ? std::wstring() : command_line.substr(program_end + 2);
}

bool was_started(const std::wstring& program) { return driver::exists(driver::start_record_path(program)); }

bool Cautorun::start(const std::wstring& disc_root) {
  return process.start(disc_root + L"\\Autorun.exe", L"", disc_root);
}

bool Cautorun::expect_box(const std::wstring& text, driver::Box_icon icon) {
  return driver::expect_message_box(process.id(), L"Autorun.exe", text, icon, IDOK);
}

std::wstring win32_error_text(DWORD code, const std::wstring& operation) {
  ZOR::Cerror_info info;
  info.kind = ZOR::Cerror_info::kind_win32;
  info.code = static_cast<std::int32_t>(code);
  info.operation = operation;
  return ZOR::error_text(info);
}

}  // namespace autorun_test
