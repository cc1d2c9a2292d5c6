// The new command: a starter setup data folder that the programs accept, for a maker who
// starts from nothing.
#ifndef ZOR_DISC_STARTER_H
#define ZOR_DISC_STARTER_H

#include <string>

namespace disc {

struct Cstarter_request {
  std::string folder;    // the setup data folder to write (Linux path)
  std::string title;     // #GAME_TITLE, UTF-8
  std::string reg_path;  // #REG_PATH, UTF-8, as the maker types it: MAKER\GAME
  int discs = 1;         // 1 or 2
};

// The second disc's folder of a two-disc starter: disc2/<name> beside folder.
std::string starter_second_folder(const std::string& folder);

// Writes folder (and, for two discs, the second disc's folder): Setup.ini in code page 932
// with CR LF line ends, Setup.bmp, Setup.ico and an empty GameData. False with why, and
// nothing written, for a title or registry path that Setup.ini cannot carry (the rule's own
// message) or a folder that exists and is not empty.
bool write_starter(const Cstarter_request& request, std::string& why);

}  // namespace disc

#endif
