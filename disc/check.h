// Checking a game maker's setup data folder (and the second disc's) against the rules that
// the programs apply when they start from the disc, then against what only a maker needs to
// know: the check command.
#ifndef ZOR_DISC_CHECK_H
#define ZOR_DISC_CHECK_H

#include <string>
#include <vector>

#include "disc/medium.h"
#include "disc/report.h"

namespace disc {

struct Ccheck_input {
  std::string folder;         // the setup data folder of disc 1 (Linux path)
  std::string second_folder;  // the second disc's setup data folder; empty for one disc
  Cmedium medium = Cmedium::dvd;
  // The folder holding the build's Setup.exe, Foyer.exe, Config.exe, Chronicle.exe and
  // Autorun.exe: a program missing from folder is taken as this one, which build adds.
  // The disc markers of a two-disc game are the build's too, and not looked for.
  std::string programs_folder;
  // True (build --sign): the build signs the programs, so their signatures are not looked at.
  bool programs_signed_by_build = false;
};

// Checks everything and appends every problem found to problems, in a stable order.
// Returns false with why set only when the folders could not be checked at all (exit 2).
bool check_disc(const Ccheck_input& input, std::vector<Cproblem>& problems, std::string& why);

}  // namespace disc

#endif
