// The start-up steps that Setup and Foyer take alike over the disc: each shows its message
// box and returns false when the step fails, so that a program's main.cpp lists its steps.
#ifndef ZOR_STARTUP_STARTUP_STEPS_H
#define ZOR_STARTUP_STARTUP_STEPS_H

#include <string>
#include <vector>

#include "lib/cmdline/command_line.h"
#include "lib/rules/startup_rules.h"
#include "lib/window/icon_file.h"

namespace ZOR {

// A start-up problem found before the game title is known: text in a warning box with
// program's caption ("Setup.exe", "Foyer.exe").
void startup_warning(Setup_ini_reader program, const std::wstring& text);

// Takes the options of targets from the program's command line (read_options over
// application.command_line). False after the parser's message in a box without icon.
bool read_startup_options(Setup_ini_reader program, const std::vector<Coption_target>& targets);

// Whether /dir gave the setup data folder. False after no_setup_data_dir_message in a
// start-up warning.
bool setup_data_dir_given(Setup_ini_reader program, const std::wstring& setup_data_dir);

// The disc in setup_data_dir as program checks it: its layout, then Setup.ini read with
// program's checks into ini (over platform_files). False after the first problem's message
// in a warning box.
bool read_startup_disc(Setup_ini_reader program, const std::wstring& setup_data_dir, Csetup_ini& ini);

// Setup.ico of the setup data folder into large and small (owned by the caller). False
// after icon_file_message in a warning box with the game title as caption.
bool load_setup_icons(const std::wstring& setup_data_dir, const std::wstring& title, Cicon& large, Cicon& small);

// The user's documents folder into documents. False after "マイドキュメントのパスが取得でき
// ませんでした。" and the error text in a warning box with the game title as caption.
bool find_documents_folder(const std::wstring& title, std::wstring& documents);

}  // namespace ZOR

#endif
