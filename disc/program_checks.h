// The programs' own start-up checks (lib/rules) run over a disc in drive D:, each adding the
// messages a player would see to the report.
#ifndef ZOR_DISC_PROGRAM_CHECKS_H
#define ZOR_DISC_PROGRAM_CHECKS_H

#include <string>
#include <vector>

#include "disc/disc_view.h"
#include "disc/report.h"
#include "lib/setting/setup_ini.h"

namespace disc {

// Setup's and Foyer's layout checks of the setup data folder.
void check_layout(const Cdisc_view& disc, Creport& report);

// Setup.ini's lines as the programs load them. False when there is none (the layout check
// says so) or, reported, when it cannot be loaded.
bool load_setup_ini(const Cdisc_view& disc, std::vector<std::wstring>& lines, Creport& report);

// Setup's and Foyer's reading of Setup.ini, Foyer's menu targets and the keys it ignores.
// Fills ini and returns true when Setup accepts the file.
bool check_setup_ini(const Cdisc_view& disc, const std::vector<std::wstring>& lines, ZOR::Csetup_ini& ini,
                     Creport& report);

// Config's and Chronicle's locating rule over the same Setup.ini; ini is Setup's reading
// (nullptr when Setup refused the file).
void check_locating(const Cdisc_view& disc, const ZOR::Csetup_ini* ini, Creport& report);

// Setup.ico and Setup.bmp as Setup and Foyer load them.
void check_pictures(const Cdisc_view& disc, Creport& report);

// The setup entries on their discs (second: the second disc's folder, or nullptr when the
// first holds both discs' entries) and the engine among the entries.
void check_entries(const Cdisc_view& first, const Cdisc_view* second, const ZOR::Csetup_ini& ini, Creport& report);

// Autorun.ini beside the setup data folder, and Autorun's hand-over to that folder.
void check_autorun(const Cdisc_view& disc, Creport& report);

}  // namespace disc

#endif
