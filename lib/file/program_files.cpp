// The Program Files folder, with a sound default when the platform cannot name it.
#include "lib/file/program_files.h"

#include <shlobj.h>

namespace ZOR {

namespace {

// The root of the drive that holds the Windows folder ("C:\"); "C:\" when unknown.
std::wstring system_drive_root() {
  wchar_t windows_folder[MAX_PATH] = {};
  UINT length = GetWindowsDirectoryW(windows_folder, MAX_PATH);
  if (length >= 3 && length < MAX_PATH && windows_folder[1] == L':') return std::wstring(windows_folder, 2) + L"\\";
  return L"C:\\";
}

}  // namespace

std::wstring program_files_folder() {
  wchar_t buffer[MAX_PATH] = {};
  HRESULT result = SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, buffer);
  return program_files_or_default(result, buffer, system_drive_root());
}

std::wstring program_files_or_default(HRESULT result, const std::wstring& answer,
                                      const std::wstring& system_drive_root) {
  if (SUCCEEDED(result) && !answer.empty()) return answer;
  return system_drive_root + L"Program Files";
}

}  // namespace ZOR
