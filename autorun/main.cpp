// Autorun's entry and run: the mutexes, Autorun.ini, then the hand-over to Kickoff or Foyer.
#include <windows.h>

#include <string>
#include <vector>

#include "autorun/hand_over.h"
#include "lib/file/file.h"
#include "lib/setting/setting_file.h"
#include "lib/window/application.h"
#include "lib/window/single_instance.h"

namespace {

const wchar_t default_setup_data_name[] = L"SetupData";

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

// The setup data name from Autorun.ini beside the program: blank lines and
// #SETUP_DATA = "<name>" lines (a later one wins); no file (or a folder of that name)
// keeps the default. False after the message of a file that cannot be read or of its
// first line that is anything else.
bool read_setup_data_name(std::wstring& name) {
  name = default_setup_data_name;
  const std::wstring path = ZOR::application.program_folder + L"\\" + L"Autorun.ini";
  if (ZOR::path_kind(path) != 1) return true;
  std::wstring value;
  const std::vector<ZOR::Csetting_rule> rules = {
      {L"#SETUP_DATA = %s", {&value}, [&name, &value] { name = value; }},
  };
  const ZOR::Csetting_read_result result =
      ZOR::read_setting_file(path, rules, ZOR::Csetting_syntax{false, ZOR::Unmatched_line::stop});
  if (result.problem == ZOR::Setting_problem::open_failed) {
    autorun_message(L"Autorun.ini が開けませんでした。");
    return false;
  }
  if (result.problem != ZOR::Setting_problem::none) {
    autorun_message(L"Autorun.ini の解析に失敗しました。(" + std::to_wstring(result.line) + L"行目)");
    return false;
  }
  return true;
}

// Kickoff when the setup data folder holds one (its failure does not bring Foyer); else
// the disc's Foyer and Setup must be there, and the copy of Foyer starts.
void hand_over(const std::wstring& setup_data_folder) {
  if (ZOR::path_kind(setup_data_folder + L"\\" + L"Kickoff.exe") == 1) {
    run_kickoff(setup_data_folder);
    return;
  }
  if (ZOR::path_kind(setup_data_folder + L"\\" + L"Foyer.exe") != 1) {
    autorun_message(L"Foyer.exe が見つかりませんでした。", true);
    return;
  }
  if (ZOR::path_kind(setup_data_folder + L"\\" + L"Setup.exe") != 1) {
    autorun_message(L"Setup.exe が見つかりませんでした。", true);
    return;
  }
  run_foyer_from_temp(setup_data_folder);
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
