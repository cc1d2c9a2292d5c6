// Locating the save folder by the rules' locating rule: Setup.ini or where the engine lies.
#include "config/save_location.h"

#include <string>

#include "config/config_environment.h"
#include "lib/rules/game_location.h"
#include "lib/rules/platform_files.h"
#include "lib/window/application.h"

bool locate_save_folder() {
  Cconfig_environment& env = config_environment;
  const std::wstring& program_folder = ZOR::application.program_folder;
  ZOR::Cgame_location found;
  ZOR::Crule_problem problem;
  if (!ZOR::locate_game(ZOR::platform_files(), program_folder, found, problem)) {
    warn(problem.message);
    return false;
  }
  std::wstring folder;
  if (!ZOR::save_folder_of(found, ZOR::application.documents_folder, folder, problem)) {
    warn(problem.message);
    return false;
  }
  // The folder shown: whole beside the engine, relative as the engine's folder is written for
  // one in GameData. Reading and writing use it whole; Config's folder is the current one.
  const bool relative = found.place != ZOR::Game_place::setup_ini;
  env.save_folder = found.place == ZOR::Game_place::engine_beside ? program_folder + L"\\" + folder : folder;
  const std::wstring full_folder = relative ? program_folder + L"\\" + folder : folder;
  env.settings_path = env.save_folder + L"system.ini";
  env.settings_file = full_folder + L"system.ini";
  return true;
}
