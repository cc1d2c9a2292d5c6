// What only a maker needs to know, which no program checks when it starts: names that a
// Japanese Windows or the image cannot hold, path lengths once installed, files of 4 GiB,
// the medium's room and Setup.ini's encoding.
#ifndef ZOR_DISC_MAKER_CHECKS_H
#define ZOR_DISC_MAKER_CHECKS_H

#include <string>

#include "disc/disc_view.h"
#include "disc/medium.h"
#include "disc/report.h"
#include "lib/setting/setup_ini.h"

namespace disc {

// Every name below the setup data folder of disc disc_index (from 0), and whether the disc
// fits on medium with the programs from programs_folder that the build adds. ini is Setup's
// reading (nullptr when Setup refused Setup.ini).
void check_names_and_room(const Cdisc_view& disc, int disc_index, const ZOR::Csetup_ini* ini,
                          const std::string& programs_folder, Cmedium medium, Creport& report);

// The title as the disc's name: autorun.inf's label=, of which Windows shows 32 characters.
void check_title(const ZOR::Csetup_ini& ini, const std::string& ini_path, Creport& report);

// Setup.ini in another encoding than code page 932 (which shows garbled texts).
void check_encoding(const Cdisc_view& disc, Creport& report);

}  // namespace disc

#endif
