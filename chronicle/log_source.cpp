// Where the engine and its log are, by the rules' locating rule: beside Chronicle without
// Setup.ini, else where Setup installed the game (its registry value exe_dir) with the log
// in the game's save folder below the documents folder.
#include <windows.h>

#include "chronicle/gui_main.h"
#include "lib/error/error.h"
#include "lib/registry/registry_key.h"
#include "lib/rules/game_location.h"
#include "lib/rules/platform_files.h"
#include "lib/rules/startup_rules.h"
#include "lib/window/application.h"

void chronicle_warning(const std::wstring& text) { ZOR::message_box(text, L"Chronicle", MB_ICONWARNING); }

bool C_gui_main::locate_engine() {
  ZOR::Cgame_location found;
  ZOR::Crule_problem problem;
  if (!ZOR::locate_game(ZOR::platform_files(), ZOR::application.program_folder, found, problem)) {
    chronicle_warning(problem.message);
    return false;
  }
  // Relative paths: the program entry made Chronicle's folder the current directory.
  std::wstring engine_folder = found.place == ZOR::Game_place::engine_in_game_data ? L"GameData\\" : L"";
  if (found.place == ZOR::Game_place::setup_ini) {
    std::wstring exe_dir;
    if (!ZOR::query_string_value(HKEY_LOCAL_MACHINE, ZOR::game_key_path(found.reg_path), L"exe_dir", exe_dir)) {
      chronicle_warning(L"セットアップ情報が見つかりません。\nゲームをセットアップしてから Chronicle を実行して下さい。");
      return false;
    }
    engine_folder = exe_dir + L"\\";
  }
  std::wstring save_folder;
  if (!ZOR::save_folder_of(found, ZOR::application.documents_folder, save_folder, problem)) {
    chronicle_warning(problem.message);
    return false;
  }
  engine_path = engine_folder + ZOR::engine_file_name();
  log_path = save_folder + L"log.txt";
  return true;
}
