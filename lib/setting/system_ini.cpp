// Reading system.ini's lines into the seven settings and writing them as the file's lines.
#include "lib/setting/system_ini.h"

#include <algorithm>
#include <utility>

#include "lib/setting/setting_reader.h"
#include "lib/text/text.h"

namespace ZOR {

namespace {

// 1 for any non-zero value, else 0.
std::int32_t flag(std::int32_t value) { return value != 0 ? 1 : 0; }

}  // namespace

bool Csystem_settings::operator==(const Csystem_settings& other) const {
  return adapter_no == other.adapter_no && hardware_vertex == other.hardware_vertex &&
         present_interval == other.present_interval && use_mipmap == other.use_mipmap &&
         wipe_buffer_count == other.wipe_buffer_count && play_silent_sound == other.play_silent_sound &&
         movie_type == other.movie_type;
}

Csystem_settings read_system_ini_lines(std::vector<std::wstring> lines) {
  Csystem_settings s;
  std::int32_t value = 0;
  const std::vector<Csetting_rule> rules = {
      {L"//", {}, nullptr},  // a comment line: matched first so that it sets nothing
      {L"#D3D.ADAPTER_NO = %d", {&value}, [&] { s.adapter_no = value < 1 ? 0 : value; }},
      {L"#D3D.HARDWARE_VERTEX = %d", {&value}, [&] { s.hardware_vertex = flag(value); }},
      {L"#D3D.PRESENT_INTERVAL = %d", {&value}, [&] { s.present_interval = std::clamp(value, 0, 1); }},
      {L"#D3D.USE_MIPMAP = %d", {&value}, [&] { s.use_mipmap = flag(value); }},
      {L"#D3D.WIPE_BUFFER_COUNT = %d", {&value}, [&] { s.wipe_buffer_count = std::clamp(value, 1, 2); }},
      {L"#DS.PLAY_SILENT_SOUND = %d", {&value}, [&] { s.play_silent_sound = flag(value); }},
      {L"#MOVIE_TYPE = %d", {&value}, [&] { s.movie_type = std::clamp(value, 0, 1); }},
  };
  read_setting_lines(std::move(lines), rules, {false, Unmatched_line::skip});
  return s;
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
    text += line.first + int_to_text(line.second);
  }
  return text;
}

}  // namespace ZOR
