// The build command: the checked folders laid out as discs, one image per disc written,
// read back and reported.
#ifndef ZOR_DISC_BUILD_H
#define ZOR_DISC_BUILD_H

#include <ctime>
#include <string>
#include <vector>

#include "disc/check.h"
#include "disc/image.h"
#include "disc/sign.h"

namespace disc {

// A volume label the ISO 9660 volume descriptor holds as written: 1 to 32 of A-Z, 0-9, _
// (lower-case letters count as their capitals).
bool valid_volume_label(const std::string& label);
// The label of disc number of count when the maker gave none (or gave base): from #REG_PATH,
// "Lumora\Tsukikage" giving LUMORA_TSUKIKAGE, with "_2" for a second disc.
std::string volume_label(const std::string& base, const std::wstring& reg_path, int number, int count);

// The folder of the five programs: share/lumora-disc of the prefix this program is installed
// in (PREFIX/bin/lumora-disc), else the build tree's bin/ (beside build/disc/lumora-disc).
std::string default_programs_folder();

// The time written for every file, folder and the volume of the images of layout:
// SOURCE_DATE_EPOCH when set, else the newest modification time of the maker's files on the
// discs, so that identical input (files and their times) gives identical bytes.
std::time_t image_timestamp(const Clayout& layout);

struct Cbuild_request {
  Ccheck_input check;
  std::string output_folder;  // receives disc1.iso (and disc2.iso)
  std::string label;          // empty: made from #REG_PATH
  Csign_options sign;         // sign.pfx empty: the programs go on the disc as they are
};

// Lays out the discs, signs the programs when asked (said receiving what the signing tells
// the maker), writes OUTPUT/discN.iso for each (beside as .part, then renamed, so a
// mounted old image keeps reading), reads each back and compares every file. False with why.
bool build_discs(const Cbuild_request& request, std::vector<Cdisc_report>& reports, std::vector<std::string>& said,
                 std::string& why);

// "disc1.iso: 12 files, 3,456 bytes, 1,234 sectors, 0.1% of a DVD-R, 2,298,496 sectors".
std::string report_line(const Cdisc_report& report);

}  // namespace disc

#endif
