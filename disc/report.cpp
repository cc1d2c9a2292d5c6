// The report's entries and their lines.
#include "disc/report.h"

#include <algorithm>

#include "disc/native_text.h"

namespace disc {

void Creport::add(const std::string& path, int line, const std::string& program, const std::wstring& message,
                  const std::string& advice, bool warning) {
  for (Centry& entry : entries_) {
    if (entry.path == path && entry.line == line && entry.message == message && entry.warning == warning &&
        entry.advice == advice) {
      if (std::find(entry.programs.begin(), entry.programs.end(), program) == entry.programs.end()) {
        entry.programs.push_back(program);
      }
      return;
    }
  }
  entries_.push_back(Centry{path, line, {program}, message, advice, warning});
}

void Creport::note(const std::string& path, int line, const std::string& text, bool warning) {
  add(path, line, std::string(), std::wstring(), text, warning);
}

void Creport::append_to(std::vector<Cproblem>& problems) const {
  for (const Centry& entry : entries_) {
    Cproblem problem;
    problem.path = entry.path;
    problem.line = entry.line;
    problem.warning = entry.warning;
    std::string programs;
    for (const std::string& program : entry.programs) {
      if (program.empty()) continue;
      programs += (programs.empty() ? "" : ", ") + program;
    }
    if (!programs.empty()) problem.text = programs + ": " + utf8_of(entry.message);
    if (!entry.advice.empty()) problem.text += (problem.text.empty() ? "" : " -- ") + entry.advice;
    problems.push_back(problem);
  }
}

std::string grouped(std::uint64_t value) {
  std::string digits = std::to_string(value);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(static_cast<std::size_t>(i), ",");
  return digits;
}

std::string problem_line(const Cproblem& problem) {
  std::string line = problem.path;
  if (problem.line > 0) line += ":" + std::to_string(problem.line);
  line += ": ";
  if (problem.warning) line += "warning: ";
  if (problem.information) line += "note: ";
  // One problem per line: a line feed inside a message is written as the two characters \n.
  for (char c : problem.text) {
    if (c == '\n') {
      line += "\\n";
    } else {
      line += c;
    }
  }
  return line;
}

}  // namespace disc
