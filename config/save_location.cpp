// Locating the save folder by the rules' locating rule: Setup.ini or where the engine lies.
#include "config/save_location.h"

#include <string>

#include "config/config_environment.h"
#include "lib/rules/platform_files.h"
#include "lib/rules/game_location.h"
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
  // The folder that reading and writing use: save_folder itself unless that is relative.
  std::wstring full_folder;
  switch (found.place) {
    case ZOR::Game_place::setup_ini:
      if (!ZOR::save_folder_below(ZOR::application.documents_folder, found.reg_path, env.save_folder, problem)) {
        warn(problem.message);
        return false;
      }
      full_folder = env.save_folder;
      break;
    case ZOR::Game_place::engine_beside:
      env.save_folder = program_folder + L"\\SaveData\\";
      full_folder = env.save_folder;
      break;
    case ZOR::Game_place::engine_in_game_data:
      // Shown relative, as the engine's folder is written; Config's folder is the current one.
      env.save_folder = L"GameData\\SaveData\\";
      full_folder = program_folder + L"\\" + env.save_folder;
      break;
  }
  env.settings_path = env.save_folder + L"system.ini";
  env.settings_file = full_folder + L"system.ini";
  return true;
}
