// The check: the programs' start-up checks over the maker's folders as they would lie in
// drive D:, then the maker-only checks, in one report.
#include "disc/check.h"

#include <memory>

#include "disc/disc_view.h"
#include "disc/maker_checks.h"
#include "disc/program_checks.h"
#include "disc/signature_checks.h"

namespace disc {

bool check_disc(const Ccheck_input& input, std::vector<Cproblem>& problems, std::string& why) {
  for (const std::string* folder : {&input.folder, &input.second_folder}) {
    if (!folder->empty() && linux_path_kind(*folder) != 0) {
      why = *folder + ": not a folder";
      return false;
    }
  }
  if (input.folder.empty()) {
    why = "no setup data folder";
    return false;
  }
  if (!input.programs_folder.empty() && linux_path_kind(input.programs_folder) != 0) {
    why = input.programs_folder + ": the programs' folder is not a folder";
    return false;
  }
  Creport report;
  const Cdisc_view first(input.folder, input.programs_folder);
  std::unique_ptr<Cdisc_view> second;
  if (!input.second_folder.empty()) second.reset(new Cdisc_view(input.second_folder, input.programs_folder));

  check_layout(first, report);
  ZOR::Csetup_ini setup_ini;
  bool setup_ok = false;
  std::vector<std::wstring> lines;
  if (load_setup_ini(first, lines, report)) {
    check_encoding(first, report);
    setup_ok = check_setup_ini(first, lines, setup_ini, report);
    check_locating(first, setup_ok ? &setup_ini : nullptr, report);
    if (setup_ok) check_title(setup_ini, first.path("Setup.ini"), report);
  }
  check_pictures(first, report);
  // Without GameData every entry would be reported again after the layout's message.
  const bool game_data = first.files.path_kind(first.drive_path(L"GameData")) == 0;
  if (setup_ok && game_data) check_entries(first, second.get(), setup_ini, report);
  if (second && setup_ok && setup_ini.disc_count != 2) {
    report.note(second->folder, 0, second_folder_mismatch(setup_ini.disc_count));
  }
  check_autorun(first, report);
  const ZOR::Csetup_ini* ini = setup_ok ? &setup_ini : nullptr;
  check_names_and_room(first, 0, ini, input.programs_folder, input.medium, report);
  if (second) check_names_and_room(*second, 1, ini, input.programs_folder, input.medium, report);
  report.append_to(problems);
  check_signatures(input, problems);
  return true;
}

}  // namespace disc
