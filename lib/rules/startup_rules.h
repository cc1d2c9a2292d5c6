// The disc as Setup and Foyer check it when they start: the folder layout, Setup.ini with
// each program's reading, and what Foyer's menu keys name on the disc.
#ifndef ZOR_RULES_STARTUP_RULES_H
#define ZOR_RULES_STARTUP_RULES_H

#include <string>
#include <vector>

#include "lib/rules/disc_files.h"
#include "lib/rules/setup_ini_checks.h"
#include "lib/setting/setup_ini.h"

namespace ZOR {

// "Setup.ini が開けませんでした。": a Setup.ini that is there but cannot be loaded, to every
// program that reads it.
std::wstring setup_ini_unreadable_message();

// Setup's and Foyer's message for a command line that does not parse (a box without
// icon): "コマンドラインの解析に失敗しました。\n" + the parser's error text.
std::wstring command_line_message(const std::wstring& parser_error);
// Their message when no /dir names the setup data folder.
std::wstring no_setup_data_dir_message();

// The programs in the setup data folder, by their names on the disc: "Setup.exe",
// "Foyer.exe", "Config.exe", "Chronicle.exe".
const std::vector<std::wstring>& setup_data_programs();
// "Autorun.exe", the program at the disc's root that the disc starts.
std::wstring autorun_program_name();

// One check of the disc layout: the path below the setup data folder (empty: the folder
// itself), the kind it must have (0 folder, 1 file) and the program's message when not.
struct Clayout_check {
  std::wstring name;
  int kind = 0;
  std::wstring message;
};

// The layout program checks, in its order.
const std::vector<Clayout_check>& disc_layout(Setup_ini_reader program);

// The first layout check of program that setup_data_dir fails, as a problem with the
// start-up caption. False when one fails.
bool check_disc_layout(const Cdisc_files& files, Setup_ini_reader program, const std::wstring& setup_data_dir,
                       Crule_problem& problem);

// Foyer's checks of what the menu keys of ini name on the disc (the paths already joined
// below setup_data_dir): the DirectX folder and "DirectX\DXSETUP.exe", the manual (a file)
// and the extra button's target (a file or folder). Every problem, in that order, with the
// game title as caption.
std::vector<Crule_problem> menu_target_problems(const Cdisc_files& files, const std::wstring& setup_data_dir,
                                               const Csetup_ini& ini);

// Joins the manual's and the extra button's paths of ini below setup_data_dir as the menu
// uses them: setup_data_dir + "\" + the value as written.
void join_menu_paths(const std::wstring& setup_data_dir, Csetup_ini& ini);

// The one reading of Setup.ini by Setup and Foyer: loads setup_data_dir + "\Setup.ini",
// runs read_setup_ini_lines for program, join_menu_paths and, for Foyer, the first of
// menu_target_problems. Returns false with the first problem; a file that cannot
// be loaded gives "Setup.ini が開けませんでした。" with the start-up caption.
bool read_setup_ini(const Cdisc_files& files, const std::wstring& setup_data_dir, Setup_ini_reader program,
                    Csetup_ini& ini, Crule_problem& problem);

// "Software\" + reg_path: the key below HKEY_LOCAL_MACHINE that Setup writes.
std::wstring game_key_path(const std::wstring& reg_path);

}  // namespace ZOR

#endif
