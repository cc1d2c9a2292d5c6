// The engine's system.ini as Config reads and writes it: its seven settings, read from the
// file's lines with the engine's ranges, and the seven lines of a rewritten file.
#ifndef ZOR_SETTING_SYSTEM_INI_H
#define ZOR_SETTING_SYSTEM_INI_H

#include <cstdint>
#include <string>
#include <vector>

namespace ZOR {

// The engine's settings, holding the defaults until a file is read.
struct Csystem_settings {
  std::int32_t adapter_no = 0;         // display adapter for Direct3D, 0 or more when read
  std::int32_t hardware_vertex = 1;    // vertex processing in hardware: 0 or 1
  std::int32_t present_interval = 1;   // wait for vertical sync: 0 or 1
  std::int32_t use_mipmap = 1;         // mipmaps: 0 or 1
  std::int32_t wipe_buffer_count = 2;  // 1 or 2
  std::int32_t play_silent_sound = 0;  // 0 or 1
  std::int32_t movie_type = 1;         // 0 MCI, 1 WMP

  bool operator==(const Csystem_settings& other) const;
  bool operator!=(const Csystem_settings& other) const { return !(*this == other); }
};

// The settings that the lines of a system.ini give, starting from the defaults: comment
// lines ("//" first) and lines that match none of the seven keys are skipped, a later line
// of a key overrides an earlier one, and each value is brought into its range.
Csystem_settings read_system_ini_lines(std::vector<std::wstring> lines);

// The rewritten file's text: the seven lines in their order, "\n" between them and none
// after the last; nothing of the previous file is kept.
std::wstring system_ini_text(const Csystem_settings& settings);

}  // namespace ZOR

#endif
