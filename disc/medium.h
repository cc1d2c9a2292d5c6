// The recordable media that a disc image is made for, by their standard capacities.
#ifndef ZOR_DISC_MEDIUM_H
#define ZOR_DISC_MEDIUM_H

#include <cstdint>
#include <string>

namespace disc {

// The recordable media, by their standard capacities in 2,048-byte sectors.
enum class Cmedium { cd, dvd, dvd_dl, bd };

// The medium of the option --medium ("cd", "dvd", "dvd-dl", "bd"); false for another name.
bool medium_from_option(const std::string& option, Cmedium& medium);
// Its capacity in 2,048-byte sectors: CD-R 80 min 359,847; DVD-R 2,298,496; DVD-R DL
// 4,171,712; BD-R 12,219,392.
std::uint64_t medium_sectors(Cmedium medium);
// Its name as the maker reads it ("CD-R (80 min)", "DVD-R", "DVD-R DL", "BD-R").
const char* medium_name(Cmedium medium);

}  // namespace disc

#endif
