// The copy engine: installs the Setup.ini entries disc by disc, in chunks, with progress.
#ifndef SETUP_COPY_ENGINE_H
#define SETUP_COPY_ENGINE_H

#include <string>

// The whole copy work and then the registration, with the setup progress dialog shown.
// The outcome is setup_environment.abort_requested (set by a failure or a confirmed cancel).
void run_install();

// Copies one file entry (path relative to GameData) into the installation folder.
void copy_entry_file(const std::wstring& path);
// Copies one folder entry with everything below it, empty folders included.
void copy_folder(const std::wstring& path);
// Copies source to destination in 10240-byte chunks, pumping messages after each chunk;
// display_name is what the status text shows.
void copy_file(const std::wstring& display_name, const std::wstring& source, const std::wstring& destination);

#endif
