// Autorun.ini and Autorun's hand-over, as Autorun reads them from the disc's root.
#ifndef ZOR_RULES_AUTORUN_INI_H
#define ZOR_RULES_AUTORUN_INI_H

#include <string>
#include <vector>

#include "lib/rules/disc_files.h"
#include "lib/setting/rule_problem.h"

namespace ZOR {

// The setup data folder's name when Autorun.ini does not give one.
std::wstring default_setup_data_name();

// Autorun's problems leave the caption empty: Autorun shows its own ("Autorun.exe").

// The setup data name from Autorun.ini's raw lines: blank lines and #SETUP_DATA = "<name>"
// lines (a later one wins), nothing else. name starts as the default. False with the
// message of the first other line.
bool read_autorun_ini_lines(const std::vector<std::wstring>& lines, std::wstring& name, Crule_problem& problem);

// The setup data name from program_folder + "\Autorun.ini"; no file (or a folder of that
// name) keeps the default. False with the problem of a file that cannot be read or of its
// first line that is anything else.
bool read_setup_data_name(const Cdisc_files& files, const std::wstring& program_folder, std::wstring& name,
                          Crule_problem& problem);

// How Autorun hands over to what lies in the setup data folder.
enum class Autorun_hand_over { kickoff, foyer, no_foyer, no_setup };

// Kickoff when the folder holds "Kickoff.exe"; otherwise Foyer, which needs "Foyer.exe" and
// "Setup.exe" there.
Autorun_hand_over autorun_hand_over(const Cdisc_files& files, const std::wstring& setup_data_folder);

// The message of a hand-over that cannot happen (no_foyer, no_setup: boxes without icon).
Crule_problem hand_over_problem(Autorun_hand_over hand_over);

}  // namespace ZOR

#endif
