// The engine's system.ini: its seven settings, reading them and rewriting the file.
#ifndef CONFIG_SYSTEM_INI_H
#define CONFIG_SYSTEM_INI_H

#include <cstdint>
#include <string>

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

// Reads path into settings, starting from the defaults; a missing file keeps them. False
// after the message when the file exists but cannot be read.
bool load_settings(const std::wstring& path, Csystem_settings& settings);

// The file's text: the seven lines, "\n" between them and none after the last.
std::wstring system_ini_text(const Csystem_settings& settings);

// Creates the file's folder when missing and replaces the file with settings' seven lines;
// the old file stays as it was when any step fails. False after the failure's message.
bool save_settings(const std::wstring& path, const Csystem_settings& settings);

#endif
