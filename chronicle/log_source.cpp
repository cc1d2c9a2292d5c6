// Where the engine and its log are: beside Chronicle without Setup.ini, else where Setup
// installed the game (its registry value exe_dir) with the log in the documents folder.
#include <windows.h>

#include <vector>

#include "chronicle/gui_main.h"
#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/registry/registry_key.h"
#include "lib/setting/setting_file.h"
#include "lib/setting/setup_ini.h"

namespace {

const wchar_t caption[] = L"Chronicle";
const wchar_t engine_name[] = L"LumoraEngine.exe";

void warn(const std::wstring& text) { ZOR::message_box(text, caption, MB_ICONWARNING); }

}  // namespace

bool C_gui_main::locate_engine() {
  // Relative paths: the program entry made Chronicle's folder the current directory.
  if (ZOR::path_kind(L"Setup.ini") != 1) {
    std::wstring base;
    if (ZOR::path_kind(engine_name) != 1) {
      base = L"GameData\\";
      if (ZOR::path_kind(base + engine_name) != 1) {
        warn(L"Setup.ini が見つかりません。");
        return false;
      }
    }
    engine_path = base + engine_name;
    log_path = base + L"SaveData\\log.txt";
    return true;
  }
  std::vector<std::wstring> lines;
  if (!ZOR::load_text_lines(L"Setup.ini", lines)) {
    warn(L"Setup.ini が開けませんでした。");
    return false;
  }
  const std::wstring reg_path = ZOR::find_reg_path_lines(lines);
  if (reg_path.empty()) {
    warn(L"Setup.ini にレジストリパスが指定されていません。");
    return false;
  }
  // The registry path also names a folder below the documents folder: an absolute one or
  // one with ".." would point the log anywhere on the disk.
  if (!ZOR::path_stays_inside(reg_path)) {
    warn(L"レジストリパスが不正です。");
    return false;
  }
  std::wstring exe_dir;
  if (!ZOR::query_string_value(HKEY_LOCAL_MACHINE, L"Software\\" + reg_path, L"exe_dir", exe_dir)) {
    warn(L"セットアップ情報が見つかりません。\nゲームをセットアップしてから Chronicle を実行して下さい。");
    return false;
  }
  std::wstring documents;
  if (!ZOR::get_documents_folder(documents)) {
    warn(L"マイドキュメントのパスが取得できませんでした。\n" + ZOR::get_last_error_text());
    return false;
  }
  engine_path = exe_dir + L"\\" + engine_name;
  log_path = documents + L"\\" + reg_path + L"\\SaveData\\log.txt";
  return true;
}
