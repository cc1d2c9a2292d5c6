// Records a finished install: reg.ini in the installation folder and four registry values.
#ifndef SETUP_REGISTRATION_H
#define SETUP_REGISTRATION_H

#include <string>

// The whole content of reg.ini for reg_path: #REGNAME = "<reg_path, each '\' doubled>".
std::wstring reg_ini_text(const std::wstring& reg_path);

// Writes install_dir\reg.ini (ANSI code page, no terminator). On failure shows its
// message and sets abort_requested.
void write_reg_ini();

// Writes setup_dir, exe_dir, dat_dir and dat_setup below HKEY_LOCAL_MACHINE\reg_key_path.
// The first failure shows its message, sets abort_requested and leaves the rest unwritten.
void write_registry();

#endif
