// Setup.ini as Setup and Foyer read it: their patterns, what they keep, their content checks.
#ifndef ZOR_SETTING_SETUP_INI_H
#define ZOR_SETTING_SETUP_INI_H

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

// What Setup takes from Setup.ini (defaults as before reading).
struct Csetup_ini {
  static constexpr int disc_name_count = 8;

  std::wstring game_title;
  std::wstring reg_path;
  std::int32_t disc_count = 1;
  std::array<std::wstring, disc_name_count> disc_names;
  std::int64_t setup_size = 0;
  bool min_setup_use = true;
  std::vector<Csetup_file_entry> setup_files;
};

// What Foyer takes from Setup.ini; the two paths are as written, relative to the setup
// data folder (Foyer joins them).
struct Cfoyer_ini {
  std::wstring game_title;
  std::wstring reg_path;
  bool direct_x_use = false;
  bool manual_use = false;
  std::wstring manual_path;
  bool ex_button_use = false;
  std::wstring ex_button_name;
  std::wstring ex_button_path;
  bool ex_button_close = false;
};

// The first problem of a Setup.ini: the message box's text and caption, and the line it
// concerns (from 1; 0 when it concerns the content as a whole).
struct Cini_problem {
  std::wstring message;
  std::wstring caption;
  int line = 0;
};

// True when path is relative and cannot leave the folder it is joined below: it does not
// start with a drive letter and ':', nor with '\' or '/', and no component ('\' and '/'
// both separate) is ".." (or a name of dots and spaces with two dots or more, which the
// platform reads as "..").
bool path_stays_inside(const std::wstring& path);

// Setup's reading of the lines of Setup.ini (as loaded, comments still in): comment removal,
// its twelve patterns in order, then its content checks. Returns false with the first
// problem; ini then holds what was read before it. ini starts from the defaults.
bool read_setup_ini_lines(const std::vector<std::wstring>& lines, Csetup_ini& ini, Cini_problem& problem);

// Foyer's reading of the same lines: its fourteen patterns, then the checks of the title and
// the registry path (those that need no file system). Returns false with the first problem.
bool read_foyer_ini_lines(const std::vector<std::wstring>& lines, Cfoyer_ini& ini, Cini_problem& problem);

// Config's and Chronicle's look-up in the raw lines of Setup.ini (no comment removal):
// the value of the first line that matches "#REG_PATH = %s"; other lines are skipped.
// Empty when no line matches (or the value is empty).
std::wstring find_reg_path_lines(const std::vector<std::wstring>& lines);

}  // namespace ZOR

#endif
