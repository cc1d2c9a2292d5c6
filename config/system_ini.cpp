// Reading system.ini into the settings (with the engine's ranges) and rewriting it whole.
#include "config/system_ini.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "config/config_environment.h"
#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/file/file_replacement.h"
#include "lib/setting/setting_file.h"
#include "lib/setting/setting_reader.h"
#include "lib/text/text.h"

namespace {

// 1 for any non-zero value, else 0.
std::int32_t flag(std::int32_t value) { return value != 0 ? 1 : 0; }

// Writes text as the whole new system.ini at path. False with the error recorded; the old
// file is then untouched and no new file stays behind.
bool replace_system_ini(const std::wstring& path, const std::wstring& text) {
  ZOR::Cfile_replacement replacement(path);
  // Text mode writes each "\n" as CR LF.
  return replacement.open(L"wt") && replacement.file.write_text(text) && replacement.commit();
}

}  // namespace

bool Csystem_settings::operator==(const Csystem_settings& other) const {
  return adapter_no == other.adapter_no && hardware_vertex == other.hardware_vertex &&
         present_interval == other.present_interval && use_mipmap == other.use_mipmap &&
         wipe_buffer_count == other.wipe_buffer_count && play_silent_sound == other.play_silent_sound &&
         movie_type == other.movie_type;
}

bool load_settings(const std::wstring& path, Csystem_settings& settings) {
  settings = Csystem_settings();
  if (ZOR::path_kind(path) != 1) return true;
  std::vector<std::wstring> lines;
  if (!ZOR::load_text_lines(path, lines)) {
    warn(L"システム設定データが読み込めませんでした。\n" + ZOR::get_last_error_text());
    return false;
  }
  std::int32_t value = 0;
  Csystem_settings& s = settings;
  const std::vector<ZOR::Csetting_rule> rules = {
      {L"//", {}, nullptr},  // a comment line: matched first so that it sets nothing
      {L"#D3D.ADAPTER_NO = %d", {&value}, [&] { s.adapter_no = value < 1 ? 0 : value; }},
      {L"#D3D.HARDWARE_VERTEX = %d", {&value}, [&] { s.hardware_vertex = flag(value); }},
      {L"#D3D.PRESENT_INTERVAL = %d", {&value}, [&] { s.present_interval = std::clamp(value, 0, 1); }},
      {L"#D3D.USE_MIPMAP = %d", {&value}, [&] { s.use_mipmap = flag(value); }},
      {L"#D3D.WIPE_BUFFER_COUNT = %d", {&value}, [&] { s.wipe_buffer_count = std::clamp(value, 1, 2); }},
      {L"#DS.PLAY_SILENT_SOUND = %d", {&value}, [&] { s.play_silent_sound = flag(value); }},
      {L"#MOVIE_TYPE = %d", {&value}, [&] { s.movie_type = std::clamp(value, 0, 1); }},
  };
  // Other lines are ignored, and a later line of a key overrides an earlier one.
  ZOR::read_setting_lines(std::move(lines), rules, {false, ZOR::Unmatched_line::skip});
  return true;
}

std::wstring system_ini_text(const Csystem_settings& settings) {
  const std::pair<const wchar_t*, std::int32_t> lines[] = {
      {L"#D3D.ADAPTER_NO = ", settings.adapter_no},
      {L"#D3D.HARDWARE_VERTEX = ", settings.hardware_vertex},
      {L"#D3D.PRESENT_INTERVAL = ", settings.present_interval},
      {L"#D3D.USE_MIPMAP = ", settings.use_mipmap},
      {L"#D3D.WIPE_BUFFER_COUNT = ", settings.wipe_buffer_count},
      {L"#DS.PLAY_SILENT_SOUND = ", settings.play_silent_sound},
      {L"#MOVIE_TYPE = ", settings.movie_type},
  };
  std::wstring text;
  for (const auto& line : lines) {
    if (!text.empty()) text += L"\n";
    text += line.first + ZOR::int_to_text(line.second);
  }
  return text;
}

bool save_settings(const std::wstring& path, const Csystem_settings& settings) {
  if (!ZOR::create_directory(ZOR::directory_of(path))) {
    warn(L"セーブフォルダの作成に失敗しました。\n" + ZOR::get_last_error_text());
    return false;
  }
  if (!replace_system_ini(path, system_ini_text(settings))) {
    warn(L"system.ini の書き込みに失敗しました。\n" + ZOR::get_last_error_text());
    return false;
  }
  return true;
}
