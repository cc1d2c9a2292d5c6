// Loading system.ini from the save folder and replacing it whole.
#include "config/system_ini.h"

#include <utility>
#include <vector>

#include "config/config_environment.h"
#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/file/file_replacement.h"
#include "lib/setting/setting_file.h"
#include "lib/text/text.h"

namespace {

// Writes text as the whole new system.ini at path. False with the error recorded; the old
// file is then untouched.
bool replace_system_ini(const std::wstring& path, const std::wstring& text) {
  ZOR::Cfile_replacement replacement(path);
  // Text mode writes each "\n" as CR LF.
  return replacement.open(L"wt") && replacement.file.write_text(text) && replacement.commit();
}

}  // namespace

bool load_settings(const std::wstring& path, ZOR::Csystem_settings& settings) {
  settings = ZOR::Csystem_settings();
  if (ZOR::path_kind(path) != 1) return true;
  std::vector<std::wstring> lines;
  if (!ZOR::load_text_lines(path, lines)) {
    warn(L"システム設定データが読み込めませんでした。\n" + ZOR::get_last_error_text());
    return false;
  }
  settings = ZOR::read_system_ini_lines(std::move(lines));
  return true;
}

bool save_settings(const std::wstring& path, const ZOR::Csystem_settings& settings) {
  if (!ZOR::create_directory(ZOR::directory_of(path))) {
    warn(L"セーブフォルダの作成に失敗しました。\n" + ZOR::get_last_error_text());
    return false;
  }
  if (!replace_system_ini(path, ZOR::system_ini_text(settings))) {
    warn(L"system.ini の書き込みに失敗しました。\n" + ZOR::get_last_error_text());
    return false;
  }
  return true;
}
