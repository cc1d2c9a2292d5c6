// Where Config and Chronicle find the game: Setup.ini's #REG_PATH beside them, else the
// engine beside them or in their GameData folder; and the save folder that follows.
#ifndef ZOR_RULES_GAME_LOCATION_H
#define ZOR_RULES_GAME_LOCATION_H

#include <string>

#include "lib/rules/disc_files.h"
#include "lib/setting/rule_problem.h"

namespace ZOR {

// "LumoraEngine.exe".
std::wstring engine_file_name();

// What the locating rule found beside the program.
enum class Game_place {
  setup_ini,            // Setup.ini names the game: reg_path is set
  engine_beside,        // no Setup.ini; the engine lies in the program's folder
  engine_in_game_data,  // no Setup.ini; the engine lies in its "GameData" folder
};

struct Cgame_location {
  Game_place place = Game_place::setup_ini;
  std::wstring reg_path;
};

// The rule, for the program in program_folder: when program_folder + "\Setup.ini" is a
// file, the first raw line matching "#REG_PATH = %s" (no comment removal, other lines
// skipped), which must be a path that stays inside the folder it is joined below; else the
// engine's place. False with the problem (the program's own caption, the warning icon): "Setup.ini が開けませんでした。",
// "Setup.ini にレジストリパスが指定されていません。", "レジストリパスが不正です。" or, with
// neither Setup.ini nor the engine, "Setup.ini が見つかりません。".
bool locate_game(const Cdisc_files& files, const std::wstring& program_folder, Cgame_location& found,
                 Crule_problem& problem);

// The game's save folder below the user's documents folder: documents + "\" + reg_path +
// "\SaveData\". False with "マイドキュメントが見つかりませんでした。" when documents is empty.
bool save_folder_below(const std::wstring& documents, const std::wstring& reg_path, std::wstring& folder,
                       Crule_problem& problem);

// The save folder of the game found, ending in '\': save_folder_below documents for a game
// that Setup.ini names; else "SaveData\" beside the engine, relative to the program's folder
// ("GameData\SaveData\" for the engine in GameData). False as save_folder_below.
bool save_folder_of(const Cgame_location& found, const std::wstring& documents, std::wstring& folder,
                    Crule_problem& problem);

}  // namespace ZOR

#endif
