// STUB of the checker, only so that this branch builds: the merge of disc-check replaces it.
#include "disc/check.h"

namespace disc {

bool check_disc(const Ccheck_input&, std::vector<Cproblem>&, std::string&) { return true; }

std::string problem_line(const Cproblem& problem) {
  std::string line = problem.path;
  if (problem.line > 0) line += ":" + std::to_string(problem.line);
  return line + ": " + (problem.warning ? "warning: " : "") + problem.text;
}

}  // namespace disc
