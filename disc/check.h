// Checking a game maker's setup data folder (and the second disc's) against the rules that
// the programs apply when they start from the disc: the folder layout, the description files,
// the pictures and icons, the disc markers and the entries, plus what only a maker needs to
// know (code page 932 names, path lengths, image names, file sizes, the medium's room).
#ifndef ZOR_DISC_CHECK_H
#define ZOR_DISC_CHECK_H

#include <cstdint>
#include <string>
#include <vector>

namespace disc {

// One problem: "path:line: text". text is the exact message of the program that would meet
// it (UTF-8), followed by advice where that is not obvious. line is 0 when the problem is
// not about one line of a file. A warning does not fail the check.
struct Cproblem {
  std::string path;
  int line = 0;
  std::string text;
  bool warning = false;
};

// The recordable media, by their standard capacities in 2,048-byte sectors.
enum class Cmedium { cd, dvd, dvd_dl, bd };

struct Ccheck_input {
  std::string folder;         // the setup data folder of disc 1 (Linux path)
  std::string second_folder;  // the second disc's setup data folder; empty for one disc
  Cmedium medium = Cmedium::dvd;
  // The folder holding the build's Setup.exe, Foyer.exe, Config.exe, Chronicle.exe and
  // Autorun.exe: a program missing from folder is taken as this one, which build adds.
  std::string programs_folder;
  // True (as for build, which writes the markers itself): the disc markers of a two-disc
  // game are not looked for; false: the folders are checked as laid-out discs, and a missing
  // DISC1 or DISC2 is Setup's prompt for that disc.
  bool markers_from_build = true;
};

// Checks everything and appends every problem found to problems, in a stable order.
// Returns false with why set only when the folders could not be checked at all (exit 2).
bool check_disc(const Ccheck_input& input, std::vector<Cproblem>& problems, std::string& why);

// "path:line: text" (or "path: text" when line is 0), with "warning: " before a warning's text.
std::string problem_line(const Cproblem& problem);

}  // namespace disc

#endif
