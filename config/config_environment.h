// What Config's start-up learnt (where system.ini lies, the settings read from it) and its
// message boxes.
#ifndef CONFIG_CONFIG_ENVIRONMENT_H
#define CONFIG_CONFIG_ENVIRONMENT_H

#include <string>

#include "config/system_ini.h"

// One per run, filled by the start-up before the dialog opens.
struct Cconfig_environment {
  // Where the engine keeps its save data; ends with '\'. Relative to Config's folder when
  // the engine lies in its GameData folder.
  std::wstring save_folder;
  // save_folder + "system.ini": the path the dialog shows.
  std::wstring settings_path;
  // The same file as a full path, for reading and writing.
  std::wstring settings_file;
  // The settings as read at start-up: what the dialog's values are compared with.
  ZOR::Csystem_settings loaded;
};

extern Cconfig_environment config_environment;

// Caption of every message box of Config.
extern const wchar_t config_caption[];

// A message box with Config's caption and the warning icon.
void warn(const std::wstring& text);

#endif
