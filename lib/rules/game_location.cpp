// The locating rule of Config and Chronicle, once.
#include "lib/rules/game_location.h"

#include <vector>

#include "lib/setting/setup_ini.h"

namespace ZOR {

std::wstring engine_file_name() { return L"LumoraEngine.exe"; }

bool locate_game(const Cdisc_files& files, const std::wstring& program_folder, Cgame_location& found,
                 std::wstring& message) {
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
    message = L"Setup.ini が見つかりません。";
    return false;
  }
  std::vector<std::wstring> lines;
  if (!files.load_lines(setup_ini, lines)) {
    message = L"Setup.ini が開けませんでした。";
    return false;
  }
  found.reg_path = find_reg_path_lines(lines);
  if (found.reg_path.empty()) {
    message = L"Setup.ini にレジストリパスが指定されていません。";
    return false;
  }
  // The path names a folder below the documents folder, where system.ini is rewritten and
  // the log is read: an absolute one or one with ".." would point anywhere on the disk.
  if (!path_stays_inside(found.reg_path)) {
    message = L"レジストリパスが不正です。";
    return false;
  }
  return true;
}

bool save_folder_below(const std::wstring& documents, const std::wstring& reg_path, std::wstring& folder,
                       std::wstring& message) {
  if (documents.empty()) {
    message = L"マイドキュメントが見つかりませんでした。";
    return false;
  }
  folder = documents + L"\\" + reg_path + L"\\SaveData\\";
  return true;
}

}  // namespace ZOR
