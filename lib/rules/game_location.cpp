// The locating rule of Config and Chronicle, once.
#include "lib/rules/game_location.h"

#include <vector>

#include "lib/rules/startup_rules.h"
#include "lib/setting/setup_ini.h"

namespace ZOR {

namespace {

// The engine's save folder, below the folder of the game.
const wchar_t save_data_folder[] = L"SaveData\\";

bool set_problem(Crule_problem& problem, const std::wstring& message) {
  problem = Crule_problem{message, L"", 0, true};
  return false;
}

}  // namespace

std::wstring engine_file_name() { return L"LumoraEngine.exe"; }

bool locate_game(const Cdisc_files& files, const std::wstring& program_folder, Cgame_location& found,
                 Crule_problem& problem) {
  found = Cgame_location();
  const std::wstring setup_ini = program_folder + L"\\Setup.ini";
  if (files.path_kind(setup_ini) != 1) {
    if (files.path_kind(program_folder + L"\\" + engine_file_name()) == 1) {
      found.place = Game_place::engine_beside;
      return true;
    }
    if (files.path_kind(program_folder + L"\\GameData\\" + engine_file_name()) == 1) {
      found.place = Game_place::engine_in_game_data;
      return true;
    }
    return set_problem(problem, L"Setup.ini が見つかりません。");
  }
  std::vector<std::wstring> lines;
  if (!files.load_lines(setup_ini, lines)) {
    return set_problem(problem, setup_ini_unreadable_message());
  }
  found.reg_path = find_reg_path_lines(lines);
  if (found.reg_path.empty()) {
    return set_problem(problem, L"Setup.ini にレジストリパスが指定されていません。");
  }
  // The path names a folder below the documents folder, where system.ini is rewritten and
  // the log is read: an absolute one or one with ".." would point anywhere on the disk.
  if (!path_stays_inside(found.reg_path)) {
    return set_problem(problem, L"レジストリパスが不正です。");
  }
  return true;
}

bool save_folder_below(const std::wstring& documents, const std::wstring& reg_path, std::wstring& folder,
                       Crule_problem& problem) {
  if (documents.empty()) return set_problem(problem, L"マイドキュメントが見つかりませんでした。");
  folder = documents + L"\\" + reg_path + L"\\" + save_data_folder;
  return true;
}

bool save_folder_of(const Cgame_location& found, const std::wstring& documents, std::wstring& folder,
                    Crule_problem& problem) {
  if (found.place == Game_place::setup_ini) return save_folder_below(documents, found.reg_path, folder, problem);
  folder = found.place == Game_place::engine_in_game_data ? std::wstring(L"GameData\\") + save_data_folder
                                                          : std::wstring(save_data_folder);
  return true;
}

}  // namespace ZOR
