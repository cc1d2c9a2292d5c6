// The five dialog objects of Setup: one of each for the whole process, created again as needed.
#ifndef SETUP_SETUP_WINDOWS_H
#define SETUP_SETUP_WINDOWS_H

#include "setup/setup_dialog.h"
#include "setup/setup_progress_dialog.h"
#include "setup/setup_ready_dialog.h"
#include "setup/uninstall_dialog.h"
#include "setup/uninstall_progress_dialog.h"

struct Csetup_windows {
  C_setup_ready_dialog ready;                       // 105, "lumora_setup_ready"
  C_setup_dialog setup;                             // 101 or 106, "lumora_setup"
  C_setup_progress_dialog progress;                 // 102, "lumora_setup_progress"
  C_uninstall_dialog uninstall;                     // 104, "lumora_uninstall"
  C_uninstall_progress_dialog uninstall_progress;   // 103, "lumora_uninstall_progress"
};

extern Csetup_windows setup_windows;

#endif
