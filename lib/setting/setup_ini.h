// Setup.ini's syntax as Setup and Foyer read it: one record of every key and the patterns
// of each program.
#ifndef ZOR_SETTING_SETUP_INI_H
#define ZOR_SETTING_SETUP_INI_H

#include "lib/setting/setting_reader.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ZOR {

// One #SETUP_FILE entry: a file or folder below GameData, and its disc counting from 0.
struct Csetup_file_entry {
  std::wstring path;
  std::int32_t disc_index = 0;
};

// Every key of Setup.ini (defaults as before reading). Setup uses the install keys, Foyer
// the title, the registry path and the menu keys; each program ignores the rest.
struct Csetup_ini {
  static constexpr int disc_name_count = 8;

  std::wstring game_title;
  std::wstring reg_path;
  bool direct_x_use = false;
  bool manual_use = false;
  std::wstring manual_path;
  bool ex_button_use = false;
  std::wstring ex_button_name;
  std::wstring ex_button_path;
  bool ex_button_close = false;
  std::int32_t disc_count = 1;
  std::array<std::wstring, disc_name_count> disc_names;
  std::int64_t setup_size = 0;
  bool min_setup_use = true;
  std::vector<Csetup_file_entry> setup_files;
};

// The program that reads Setup.ini, which decides the patterns: Setup takes every line that
// begins with "#EX_BUTTON", Foyer knows only the four keys of button 000. (What each then
// checks in the content is a rule: lib/rules/setup_ini_checks.h.)
enum class Setup_ini_reader { setup, foyer };

// The patterns of reader over the lines of Setup.ini (as loaded, comments still in):
// comment removal, then the patterns in order, every unmatched line stopping the reading.
// ini starts from the defaults and holds what was read up to the stop; the two menu paths
// stay as written. Returns what stopped the reading, if anything.
Csetting_read_result read_setup_ini_keys(const std::vector<std::wstring>& lines, Setup_ini_reader reader,
                                         Csetup_ini& ini);

// Config's and Chronicle's look-up in the raw lines of Setup.ini (no comment removal):
// the value of the first line that matches "#REG_PATH = %s"; other lines are skipped.
// Empty when no line matches (or the value is empty).
std::wstring find_reg_path_lines(const std::vector<std::wstring>& lines);

}  // namespace ZOR

#endif
