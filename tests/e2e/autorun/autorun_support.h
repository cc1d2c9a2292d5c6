// Autorun end-to-end tests: a disc folder of the test's own, the temporary folder that the
// started programs see, Autorun started from the disc, and what the stand-ins recorded.
#ifndef TESTS_E2E_AUTORUN_AUTORUN_SUPPORT_H
#define TESTS_E2E_AUTORUN_AUTORUN_SUPPORT_H

#include <windows.h>

#include <string>

#include "tests/driver/driver.h"

namespace autorun_test {

// A disc of the test's own: a temporary folder with Autorun.exe at its root. Its setup
// data folders and their programs (the recorder stand-in under the launcher's name) are
// made by the test.
class Cdisc {
 public:
  Cdisc();

  const std::wstring& root() const { return folder_.path(); }
  // root() + "\" + name; made when missing.
  std::wstring setup_data(const std::wstring& name = L"SetupData") const;
  // Puts the recorder into the setup data folder name as file_name ("Foyer.exe", ...) and
  // returns its path.
  std::wstring add_program(const std::wstring& file_name, const std::wstring& name = L"SetupData") const;
  // Writes Autorun.ini beside Autorun.exe (in the ANSI code page) and returns its path.
  std::wstring write_ini(const std::wstring& text) const;

 private:
  driver::Ctemp_folder folder_;
};

// The temporary folder of the programs a test starts: a folder of the test's own named by
// TMP and TEMP of the test process, which the started programs inherit. The earlier values
// come back when it is destroyed.
class Cprogram_temp {
 public:
  Cprogram_temp();
  ~Cprogram_temp();
  Cprogram_temp(const Cprogram_temp&) = delete;
  Cprogram_temp& operator=(const Cprogram_temp&) = delete;

  const std::wstring& path() const { return folder_.path(); }
  // The folder Autorun copies Foyer and Setup into.
  std::wstring copies() const { return folder_ / L"__LumoraTmpFolder"; }

 private:
  driver::Ctemp_folder folder_;
  std::wstring saved_tmp_;
  std::wstring saved_temp_;
};

// The /dir parameter that a launcher gets for the setup data folder.
std::wstring dir_parameter(const std::wstring& setup_data_folder);

// The arguments (its command line without the program) with which the recorder at
// program was first started; waited for, empty and a test failure when it never starts.
std::wstring wait_started_arguments(const std::wstring& program);
// Whether the recorder at program recorded a start.
bool was_started(const std::wstring& program);

// Autorun.exe of a disc, started from the disc's root as the disc's autorun entry would.
class Cautorun {
 public:
  bool start(const std::wstring& disc_root);
  // Waits for Autorun's next message box, checks caption "Autorun.exe", text and icon, and
  // answers OK. False when none came.
  bool expect_box(const std::wstring& text, driver::Box_icon icon);
  // Waits until Autorun has ended by itself, with exit code 0.
  void expect_end() { driver::expect_exit_zero(process); }

  driver::Cprocess process;
};

// The text of a platform error record as the programs show it.
std::wstring win32_error_text(DWORD code, const std::wstring& operation);

}  // namespace autorun_test

#endif
