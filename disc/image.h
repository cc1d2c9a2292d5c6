// Writing one disc image with libisofs and reading it back: ISO 9660 (level 3, so files of
// 4 GiB and more), Joliet with long names and Rock Ridge, one time for every date.
#ifndef ZOR_DISC_IMAGE_H
#define ZOR_DISC_IMAGE_H

#include <cstdint>
#include <ctime>
#include <string>

#include "disc/layout.h"
#include "disc/medium.h"
#include "disc/progress.h"

namespace disc {

// What one written and verified image holds.
struct Cdisc_report {
  std::string image;
  int number = 1;
  std::uint64_t files = 0;
  std::uint64_t bytes = 0;  // of the files
  std::int64_t sectors = 0;  // of the image
  Cmedium medium = Cmedium::dvd;
};

// Writes tree as the image at path with label, showing the bytes written on progress. False
// with why set (libisofs's message).
bool write_image(const Cdisc_tree& tree, const std::string& path, const std::string& label, std::time_t timestamp,
                 Cprogress_line& progress, std::string& why);

// Reads the image at path back (its Joliet tree, as Windows reads it, and its Rock Ridge
// names) and compares every folder and file, names and bytes, with tree, showing the bytes
// compared on progress after each file. Fills the counts of report. False with why naming
// the first difference.
bool verify_image(const Cdisc_tree& tree, const std::string& path, Cdisc_report& report, Cprogress_line& progress,
                  std::string& why);

}  // namespace disc

#endif
