// Autorun's entry and run: the mutexes, Autorun.ini, then the hand-over to Kickoff or Foyer.
#include <windows.h>

#include <string>
#include <vector>

#include "autorun/hand_over.h"
#include "lib/rules/autorun_ini.h"
#include "lib/rules/platform_files.h"
#include "lib/window/application.h"
#include "lib/window/single_instance.h"

namespace {

// True when none of the disc's other programs runs. Each name is only probed: created with
// ownership and closed again at once. A name that cannot be created ends Autorun with the
// mutex message; one that exists (its program runs) ends it silently.
bool no_launcher_running() {
  for (const wchar_t* name : {L"LumoraFoyer", L"LumoraSetup", L"LumoraKickoff"}) {
    const ZOR::Csingle_instance probe(name);
    if (!probe.may_run(autorun_caption)) return false;
  }
  return true;
}

// Shows one of Autorun's problems: caption "Autorun.exe", with or without the warning icon.
void show_problem(const ZOR::Crule_problem& problem) { autorun_message(problem.message, !problem.warning); }

// The setup data name from Autorun.ini beside the program (the rules' reading). False after
// the message of a file that cannot be read or of its first line that is anything else.
bool read_setup_data_name(std::wstring& name) {
  ZOR::Crule_problem problem;
  if (ZOR::read_setup_data_name(ZOR::platform_files(), ZOR::application.program_folder, name, problem)) return true;
  show_problem(problem);
  return false;
}

// Kickoff when the setup data folder holds one (its failure does not bring Foyer); else
// the disc's Foyer and Setup must be there, and the copy of Foyer starts.
void hand_over(const std::wstring& setup_data_folder) {
  const ZOR::Autorun_hand_over way = ZOR::autorun_hand_over(ZOR::platform_files(), setup_data_folder);
  switch (way) {
    case ZOR::Autorun_hand_over::kickoff:
      run_kickoff(setup_data_folder);
      return;
    case ZOR::Autorun_hand_over::foyer:
      run_foyer_from_temp(setup_data_folder);
      return;
    case ZOR::Autorun_hand_over::no_foyer:
    case ZOR::Autorun_hand_over::no_setup:
      show_problem(ZOR::hand_over_problem(way));
      return;
  }
}

// Autorun's whole run, top to bottom; it holds "LumoraAutorun" until it returns.
void autorun_main() {
  const ZOR::Csingle_instance instance(L"LumoraAutorun");
  if (!instance.may_run(autorun_caption)) return;
  if (!no_launcher_running()) return;
  std::wstring setup_data_name;
  if (!read_setup_data_name(setup_data_name)) return;
  hand_over(ZOR::application.program_folder + L"\\" + setup_data_name);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int) {
  return ZOR::run_program(instance, command_line, autorun_main);
}
