// The disc trees that build writes: which file of the maker's folder, of the build's programs
// or of the tool's own making lies where on which disc.
#ifndef ZOR_DISC_LAYOUT_H
#define ZOR_DISC_LAYOUT_H

#include <cstdint>
#include <string>
#include <vector>

namespace disc {

// One file of a disc. disc_path is relative to the disc's root, UTF-8, '/' between names.
// Its bytes are the file source on disk, or content when source is empty (the files the
// tool makes: autorun.inf, Autorun.ini, the disc markers).
struct Cdisc_file {
  std::string disc_path;
  std::string source;
  std::string content;
  std::uint64_t size = 0;
  bool maker = false;  // one of the maker's files (not a program of the build's)
};

// One disc: its number (from 1), every folder (parents before children, empty ones too)
// and every file, both in name order.
struct Cdisc_tree {
  int number = 1;
  std::vector<std::string> folders;
  std::vector<Cdisc_file> files;
};

// The characters of autorun.inf's label= (the game title) that Windows shows as the disc's
// name.
constexpr std::size_t autorun_label_shown = 32;

struct Clayout_input {
  std::string folder;           // the setup data folder (disc 1's, or the only one)
  std::string second_folder;    // the second disc's, or empty
  std::string programs_folder;  // Setup.exe, Foyer.exe, Config.exe, Chronicle.exe, Autorun.exe
};

// The discs and what the labels are made from.
struct Clayout {
  std::vector<Cdisc_tree> discs;
  std::wstring game_title;
  std::wstring reg_path;
};

// Lays out the discs of a checked setup data folder (and the second disc's). Disc 1:
// Autorun.exe, autorun.inf (open=Autorun.exe, icon=Setup.ico, label= with the game title in
// code page 932) and a copy of the game's Setup.ico (the shell takes icon= from the folder
// of open=) at the root, Autorun.ini when the parent of folder holds the maker's or folder is not
// named "SetupData", and the setup data folder with the build's Setup, Foyer, Config and
// Chronicle (in place of any found there) beside the maker's files. Disc 2 (#DISC_CNT = 2):
// the second folder's files in a setup data folder of the same name; without a second
// folder, each GameData file and folder of the #SETUP_FILE entries of disc 2 (the most
// specific entry deciding) moves from disc 1 to disc 2. Each disc's marker
// (DISC1, DISC2) in its setup data folder, in place of any found there. Returns false with
// why set when something cannot be read.
bool lay_out_discs(const Clayout_input& input, Clayout& layout, std::string& why);

}  // namespace disc

#endif
