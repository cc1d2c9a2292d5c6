// Setup's process-wide record: what start-up learnt and what the install and removal work on.
#ifndef SETUP_SETUP_ENVIRONMENT_H
#define SETUP_SETUP_ENVIRONMENT_H

#include <windows.h>

#include <cstdint>
#include <string>

#include "lib/setting/setup_ini.h"

// One instance for the process (setup_environment); filled by start-up, then read and
// written by the dialogs' handlers on the GUI thread. Setup.ini's keys (game_title,
// reg_path such as "Maker\Game", disc_count, disc_names, setup_size in bytes of a full
// install, min_setup_use, setup_files) are the record the shared reader fills.
struct Csetup_environment : ZOR::Csetup_ini {
  std::wstring setup_data_dir;  // the /dir value, verbatim
  std::wstring game_data_dir;   // setup_data_dir + "\GameData"
  std::wstring mode;            // "setup" or "uninstall"
  std::int64_t min_setup_size = 0;  // bytes of a minimal install
  // Setup.ico at 32 and 16 pixels; owned by setup_main, which destroys them on return.
  HICON icon_large = nullptr;
  HICON icon_small = nullptr;
  std::wstring reg_key_path;     // "Software\" + reg_path, below HKEY_LOCAL_MACHINE
  std::wstring target_base_dir;  // the folder the game folder lies below
  std::wstring install_dir;      // join_path(target_base_dir, reg_path)
  std::wstring setup_method;     // "full" or "min"
  std::int64_t required_size = 0;
  std::int64_t copied_size = 0;
  // Set by a confirmed cancel or a failure; every step of the install or removal stops.
  bool abort_requested = false;
};

extern Csetup_environment setup_environment;

// Appended after a blank line to the failures that missing rights may cause.
extern const wchar_t admin_hint[];

// a + b when a ends with '\', else a + "\" + b. An empty a gives b unchanged.
std::wstring join_path(const std::wstring& a, const std::wstring& b);

// MB_ICONWARNING box with the game title as caption, owned by the main window.
void warn(const std::wstring& text);
// The same, owned by owner.
void warn_owned(HWND owner, const std::wstring& text);

#endif
