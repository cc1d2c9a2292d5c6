// Removal of an installation: the uninstall button, and the clean-up after a failed install.
#ifndef SETUP_UNINSTALL_H
#define SETUP_UNINSTALL_H

#include <string>

// The uninstall dialog's start button: question, removal with its progress dialog, check
// that the registry information is gone, result message, end of the program.
void start_uninstall();

// What a removal could not delete: the first file or folder whose deletion failed (full
// path) and the library's error text recorded then (empty when every deletion was accepted
// and the entry still stayed).
struct Cleftover {
  std::wstring path;
  std::wstring error;
};

// Removes the listed entries, reg.ini, the emptied folders up to (not including)
// target_base_dir and the registry key, whatever could not be deleted: the rollback of a
// failed install. Single failures are ignored.
void remove_installation();
// Deletes the listed entries (a listed folder with everything in it). True when none of them
// is left; otherwise left names the first deletion that failed.
bool remove_listed_entries(Cleftover& left);
// Deletes the record of the installation: reg.ini, the emptied folders and the key.
void remove_record();

#endif
