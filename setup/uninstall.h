// Removal of an installation: the uninstall button, and the clean-up after a failed install.
#ifndef SETUP_UNINSTALL_H
#define SETUP_UNINSTALL_H

#include <string>

// The uninstall dialog's start button: question, removal with its progress dialog, check
// that the registry information is gone, result message, end of the program.
void start_uninstall();

// Removes the listed entries, reg.ini, the emptied folders up to (not including)
// target_base_dir and the registry key. Single failures are ignored.
void remove_installation();

// Deletes folder\path (read-only or not) after one pump of the messages.
void delete_entry_file(const std::wstring& folder, const std::wstring& path);
// Deletes folder\path with everything in it.
void delete_folder(const std::wstring& folder, const std::wstring& path);
// Removes install_dir and then its parents below target_base_dir while they are empty.
void remove_empty_folders();
// Deletes HKEY_LOCAL_MACHINE\Software\reg_path (not when it has subkeys).
void remove_registry_key();

#endif
