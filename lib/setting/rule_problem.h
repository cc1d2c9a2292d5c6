// What a start-up rule reports when the disc or a description file is not as it must be:
// the message box a program shows for it.
#ifndef ZOR_SETTING_RULE_PROBLEM_H
#define ZOR_SETTING_RULE_PROBLEM_H

#include <string>

namespace ZOR {

// The box's text and caption (empty: the program's own caption), whether it has the warning
// icon, and the line of the file it concerns (from 1; 0 when it concerns no one line).
struct Crule_problem {
  std::wstring message;
  std::wstring caption;
  int line = 0;
  bool warning = true;
};

}  // namespace ZOR

#endif
