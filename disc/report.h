// The check's report: the problems found, one line each, with the programs that meet them.
#ifndef ZOR_DISC_REPORT_H
#define ZOR_DISC_REPORT_H

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
  bool information = false;  // only informs: neither a problem nor a warning
};

// The problems found, one per place and message: when several programs meet the same
// message at the same place, one line names them all.
class Creport {
 public:
  // program's message at path (and line), with advice after it.
  void add(const std::string& path, int line, const std::string& program, const std::wstring& message,
           const std::string& advice = std::string(), bool warning = false);
  // A maker's problem that no program shows as such.
  void note(const std::string& path, int line, const std::string& text, bool warning = false);
  // The problems in the order they were found.
  void append_to(std::vector<Cproblem>& problems) const;

 private:
  struct Centry {
    std::string path;
    int line;
    std::vector<std::string> programs;
    std::wstring message;
    std::string advice;
    bool warning;
  };
  std::vector<Centry> entries_;
};

// 1234567 as "1,234,567": the report's form of a large number.
std::string grouped(std::uint64_t value);

// "path:line: text" (or "path: text" when line is 0), with "warning: " before a warning's text
// and "note: " before information.
std::string problem_line(const Cproblem& problem);

}  // namespace disc

#endif
