// The command line's options of a value, for every command of lumora-disc.
#include "disc/options.h"

#include <cstring>

namespace disc {

bool take_option(int argc, char** argv, int& i, const char* name, std::string& value, std::string& why) {
  const std::size_t length = std::strlen(name);
  if (std::strncmp(argv[i], name, length) != 0) return false;
  if (argv[i][length] == '=') {
    value = argv[i] + length + 1;
  } else if (argv[i][length] == '\0') {
    if (i + 1 >= argc) {
      why = std::string(name) + " needs a value";
      value.clear();
      return true;
    }
    value = argv[++i];
  } else {
    return false;
  }
  if (value.empty()) why = std::string(name) + " needs a value";
  return true;
}

}  // namespace disc
