// Config's reading and rewriting of the engine's system.ini at its place on the disk (the
// settings themselves and the file's lines: lib/setting/system_ini.h).
#ifndef CONFIG_SYSTEM_INI_H
#define CONFIG_SYSTEM_INI_H

#include <string>

#include "lib/setting/system_ini.h"

// Reads path into settings, starting from the defaults; a missing file keeps them. False
// after the message when the file exists but cannot be read.
bool load_settings(const std::wstring& path, ZOR::Csystem_settings& settings);

// Creates the file's folder when missing and replaces the file with settings' seven lines;
// the old file stays as it was when any step fails. False after the failure's message.
bool save_settings(const std::wstring& path, const ZOR::Csystem_settings& settings);

#endif
