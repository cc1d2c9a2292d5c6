// Autorun's two ways of handing over: to the disc's Kickoff, or to a temporary copy of Foyer.
#ifndef AUTORUN_HAND_OVER_H
#define AUTORUN_HAND_OVER_H

#include <string>

// The caption of every message box of Autorun.
extern const wchar_t autorun_caption[];

// Shows text in Autorun's message box: caption "Autorun.exe", no owner, warning icon
// unless plain (MB_OK alone).
void autorun_message(const std::wstring& text, bool plain = false);

// The parameters of the started launcher: /dir="<setup data folder, escaped>".
std::wstring dir_parameter(const std::wstring& setup_data_folder);

// Starts the Kickoff program in the setup data folder with dir_parameter. True when it
// was started; false after its message. Autorun does not wait for it.
bool run_kickoff(const std::wstring& setup_data_folder);

// Copies the disc's Foyer.exe and Setup.exe (in the setup data folder) into the user's
// temporary folder + "\__LumoraTmpFolder\", replacing earlier copies (read-only ones
// included), and starts that Foyer with dir_parameter. True when it was started; false
// after the message of the failed step. Autorun does not wait for it.
bool run_foyer_from_temp(const std::wstring& setup_data_folder);

#endif
