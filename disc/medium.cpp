// The media table: one row per medium.
#include "disc/medium.h"

namespace disc {
namespace {

struct Cmedium_row {
  Cmedium medium;
  const char* option;
  const char* name;
  std::uint64_t sectors;
};

const Cmedium_row media[] = {
    {Cmedium::cd, "cd", "CD-R (80 min)", 359847},
    {Cmedium::dvd, "dvd", "DVD-R", 2298496},
    {Cmedium::dvd_dl, "dvd-dl", "DVD-R DL", 4171712},
    {Cmedium::bd, "bd", "BD-R", 12219392},
};

const Cmedium_row& row_of(Cmedium medium) {
  for (const Cmedium_row& row : media) {
    if (row.medium == medium) return row;
  }
  return media[1];
}

}  // namespace

bool medium_from_option(const std::string& option, Cmedium& medium) {
  for (const Cmedium_row& row : media) {
    if (option == row.option) {
      medium = row.medium;
      return true;
    }
  }
  return false;
}

std::uint64_t medium_sectors(Cmedium medium) { return row_of(medium).sectors; }
const char* medium_name(Cmedium medium) { return row_of(medium).name; }

}  // namespace disc
