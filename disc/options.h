// The command line's options of a value: "--name VALUE" or "--name=VALUE".
#ifndef ZOR_DISC_OPTIONS_H
#define ZOR_DISC_OPTIONS_H

#include <string>

namespace disc {

// Takes "--name VALUE" or "--name=VALUE" at argv[i] into value (i then stands on the last
// argument taken); false when argv[i] is not that option. True with why set ("--name needs a
// value") when the value is missing or empty.
bool take_option(int argc, char** argv, int& i, const char* name, std::string& value, std::string& why);

}  // namespace disc

#endif
