// Config's start-up record and its warning box.
#include "config/config_environment.h"

#include <windows.h>

#include "lib/error/error.h"

Cconfig_environment config_environment;

const wchar_t config_caption[] = L"環境設定.exe";

void warn(const std::wstring& text) { ZOR::message_box(text, config_caption, MB_ICONWARNING); }
