// Test driver: a sample disc copied into a test's own folder with a registry path of its
// own, its Setup.ini edited line by line, and what the tests check afterwards (the files
// below a folder, registry values).
#ifndef ZOR_TESTS_DRIVER_SAMPLE_DISC_H
#define ZOR_TESTS_DRIVER_SAMPLE_DISC_H

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "tests/driver/test_places.h"

namespace driver {

// Every file and folder below folder, relative, folders with a final '\'.
std::set<std::wstring> tree_of(const std::wstring& folder);

// A copy of a sample disc's setup data folder (source: a folder holding Setup.ini,
// Setup.ico, GameData, ...) in a temporary folder of the test, with a registry path of its
// own ("ZorTest\<unique>") written into its Setup.ini. The repository's ".empty" markers
// are left out, so their folders are really empty. Everything is removed with the object.
class Csample_disc {
 public:
  explicit Csample_disc(const std::wstring& source);

  // The setup data folder (holds Setup.ini, Setup.ico, GameData).
  std::wstring dir() const { return temp_ / L"SetupData"; }
  std::wstring game_data() const { return dir() + L"\\GameData"; }
  // A folder of the test beside the disc, for installs and other files.
  std::wstring scratch() const { return temp_ / L"scratch"; }
  const std::wstring& reg_path() const { return reg_path_; }
  const std::wstring& reg_key() const { return key_.path(); }

  // Setup.ini as wide lines (decoded from the ANSI code page) and written back.
  std::vector<std::wstring> ini_lines() const;
  void write_ini(const std::vector<std::wstring>& lines) const;
  // Replaces every line that starts with key by line (appends line when none does).
  void set_ini_line(const std::wstring& key, const std::wstring& line) const;
  void add_ini_line(const std::wstring& line) const;
  // Removes every line that starts with key.
  void remove_ini_lines(const std::wstring& key) const;

 private:
  Ctemp_folder temp_;
  Ctest_registry_key key_;
  std::wstring reg_path_;
};

// value with every '\' doubled: a Setup.ini text value or a quoted command-line value.
std::wstring doubled_backslashes(const std::wstring& value);

// A registry value below HKEY_LOCAL_MACHINE as stored: type and raw bytes. found is false
// when it cannot be read.
struct Cstored_value {
  bool found = false;
  DWORD type = 0;
  std::wstring text;  // the bytes read as UTF-16, without a final NUL
  DWORD size = 0;     // bytes stored
};
Cstored_value stored_value(const std::wstring& key_path, const std::wstring& name);
// True when the key below HKEY_LOCAL_MACHINE opens for reading.
bool key_exists(const std::wstring& key_path);

}  // namespace driver

#endif
