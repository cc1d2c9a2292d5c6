// What Setup and Foyer decide about the content of Setup.ini once its keys are read: the
// problems with their messages and captions, and the rule for paths that must stay inside.
#ifndef ZOR_RULES_SETUP_INI_CHECKS_H
#define ZOR_RULES_SETUP_INI_CHECKS_H

#include <string>
#include <vector>

#include "lib/setting/rule_problem.h"
#include "lib/setting/setup_ini.h"

namespace ZOR {

// The caption of a program's start-up problems before the title is known: "Setup.exe" or
// "Foyer.exe".
std::wstring startup_caption(Setup_ini_reader program);

// True when path is relative and cannot leave the folder it is joined below: it does not
// start with a drive letter and ':', nor with '\' or '/', and no component ('\' and '/'
// both separate) is ".." (or a name of dots and spaces with two dots or more, which the
// platform reads as "..").
bool path_stays_inside(const std::wstring& path);

// The reading of the lines of Setup.ini (as loaded, comments still in) by reader:
// read_setup_ini_keys, then the content checks that need no file system (title and
// registry path; for Setup also discs and entries). Returns false with the first problem;
// (with its caption: "Setup.exe", "Foyer.exe" or the title); ini then holds what was read
// before it. ini starts from the defaults; the two menu paths
// stay as written.
bool read_setup_ini_lines(const std::vector<std::wstring>& lines, Setup_ini_reader reader, Csetup_ini& ini,
                          Crule_problem& problem);

}  // namespace ZOR

#endif
