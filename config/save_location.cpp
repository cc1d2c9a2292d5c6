// Locating the save folder from Setup.ini or from where the engine lies.
#include "config/save_location.h"

#include <string>

#include "config/config_environment.h"
#include "lib/file/file.h"
#include "lib/setting/setting_file.h"
#include "lib/window/application.h"

namespace {

const wchar_t engine_name[] = L"LumoraEngine.exe";
const wchar_t setup_ini_name[] = L"Setup.ini";

// The save folder below the documents folder that Setup.ini's #REG_PATH names. False after
// the message when the file cannot be read, names no path, or names one that would leave
// the documents folder, or when there is no documents folder.
bool save_folder_from_setup_ini(const std::wstring& setup_ini, std::wstring& save_folder) {
  std::wstring reg_path;
  if (!ZOR::find_reg_path(setup_ini, reg_path)) {
    warn(std::wstring(setup_ini_name) + L" が開けませんでした。");
    return false;
  }
  if (reg_path.empty()) {
    warn(std::wstring(setup_ini_name) + L" にレジストリパスが指定されていません。");
    return false;
  }
  // system.ini is rewritten below this path: it must stay inside the documents folder.
  if (!ZOR::path_stays_inside(reg_path)) {
    warn(L"レジストリパスが不正です。");
    return false;
  }
  const std::wstring& documents = ZOR::application.documents_folder;
  if (documents.empty()) {
    warn(L"マイドキュメントが見つかりませんでした。");
    return false;
  }
  save_folder = documents + L"\\" + reg_path + L"\\SaveData\\";
  return true;
}

}  // namespace

bool locate_save_folder() {
  Cconfig_environment& env = config_environment;
  const std::wstring& program_folder = ZOR::application.program_folder;
  const std::wstring setup_ini = program_folder + L"\\" + setup_ini_name;
  // The folder that reading and writing use: save_folder itself unless that is relative.
  std::wstring full_folder;
  if (ZOR::path_kind(setup_ini) == 1) {
    if (!save_folder_from_setup_ini(setup_ini, env.save_folder)) return false;
    full_folder = env.save_folder;
  } else if (ZOR::path_kind(program_folder + L"\\" + engine_name) == 1) {
    env.save_folder = program_folder + L"\\SaveData\\";
    full_folder = env.save_folder;
  } else if (ZOR::path_kind(program_folder + L"\\GameData\\" + engine_name) == 1) {
    // Shown relative, as the engine's folder is written; Config's folder is the current one.
    env.save_folder = L"GameData\\SaveData\\";
    full_folder = program_folder + L"\\" + env.save_folder;
  } else {
    warn(std::wstring(setup_ini_name) + L" が見つかりません。");
    return false;
  }
  env.settings_path = env.save_folder + L"system.ini";
  env.settings_file = full_folder + L"system.ini";
  return true;
}
