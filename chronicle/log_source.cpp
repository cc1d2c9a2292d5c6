// Where the engine and its log are, by the rules' locating rule: beside Chronicle without
// Setup.ini, else where Setup installed the game (its registry value exe_dir) with the log
// in the game's save folder below the documents folder.
#include <windows.h>

#include "chronicle/gui_main.h"
#include "lib/error/error.h"
#include "lib/rules/platform_files.h"
#include "lib/registry/registry_key.h"
#include "lib/rules/game_location.h"
#include "lib/rules/startup_rules.h"
#include "lib/window/application.h"

namespace {

const wchar_t caption[] = L"Chronicle";

void warn(const std::wstring& text) { ZOR::message_box(text, caption, MB_ICONWARNING); }

}  // namespace

bool C_gui_main::locate_engine() {
  ZOR::Cgame_location found;
  ZOR::Crule_problem problem;
  if (!ZOR::locate_game(ZOR::platform_files(), ZOR::application.program_folder, found, problem)) {
    warn(problem.message);
    return false;
  }
  // Relative paths: the program entry made Chronicle's folder the current directory.
  if (found.place != ZOR::Game_place::setup_ini) {
    const std::wstring base = found.place == ZOR::Game_place::engine_in_game_data ? L"GameData\\" : L"";
    engine_path = base + ZOR::engine_file_name();
    log_path = base + L"SaveData\\log.txt";
    return true;
  }
  std::wstring exe_dir;
  if (!ZOR::query_string_value(HKEY_LOCAL_MACHINE, ZOR::game_key_path(found.reg_path), L"exe_dir", exe_dir)) {
    warn(L"セットアップ情報が見つかりません。\nゲームをセットアップしてから Chronicle を実行して下さい。");
    return false;
  }
  std::wstring save_folder;
  if (!ZOR::save_folder_below(ZOR::application.documents_folder, found.reg_path, save_folder, problem)) {
    warn(problem.message);
    return false;
  }
  engine_path = exe_dir + L"\\" + ZOR::engine_file_name();
  log_path = save_folder + L"log.txt";
  return true;
}
