// The Program Files folder, with a sound default when the platform cannot name it.
#ifndef ZOR_FILE_PROGRAM_FILES_H
#define ZOR_FILE_PROGRAM_FILES_H

#include <windows.h>

#include <string>

namespace ZOR {

// The Program Files folder (SHGetFolderPathW, CSIDL_PROGRAM_FILES). When the platform
// cannot name it, the Program Files folder of the system drive.
std::wstring program_files_folder();

// The folder program_files_folder gives for the platform's answer: the answer when result
// succeeded with a non-empty path, otherwise system_drive_root (for example "C:\") +
// "Program Files".
std::wstring program_files_or_default(HRESULT result, const std::wstring& answer,
                                      const std::wstring& system_drive_root);

}  // namespace ZOR

#endif
