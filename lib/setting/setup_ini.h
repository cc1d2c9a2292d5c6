// Setup.ini as Setup and Foyer read it: one record of every key, the patterns of each
// program and their content checks.
#ifndef ZOR_SETTING_SETUP_INI_H
#define ZOR_SETTING_SETUP_INI_H

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "lib/setting/rule_problem.h"

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

// The program that reads Setup.ini. Setup takes every line that begins with "#EX_BUTTON"
// and checks the discs and the entries; Foyer knows only the four keys of button 000 and
// checks the disc's DirectX folder, manual and extra button instead. Each has its caption
// for the problems found before the title is known ("Setup.exe", "Foyer.exe").
enum class Setup_ini_reader { setup, foyer };

// True when path is relative and cannot leave the folder it is joined below: it does not
// start with a drive letter and ':', nor with '\' or '/', and no component ('\' and '/'
// both separate) is ".." (or a name of dots and spaces with two dots or more, which the
// platform reads as "..").
bool path_stays_inside(const std::wstring& path);

// The reading of the lines of Setup.ini (as loaded, comments still in) by reader: comment
// removal, the patterns in order, then the content checks that need no file system (title
// and registry path; for Setup also discs and entries). Returns false with the first
// problem (with its caption: "Setup.exe", "Foyer.exe" or the title); ini then holds what was read before it. ini starts from the defaults; the two
// menu paths stay as written.
bool read_setup_ini_lines(const std::vector<std::wstring>& lines, Setup_ini_reader reader, Csetup_ini& ini,
                          Crule_problem& problem);

// Config's and Chronicle's look-up in the raw lines of Setup.ini (no comment removal):
// the value of the first line that matches "#REG_PATH = %s"; other lines are skipped.
// Empty when no line matches (or the value is empty).
std::wstring find_reg_path_lines(const std::vector<std::wstring>& lines);

}  // namespace ZOR

#endif
