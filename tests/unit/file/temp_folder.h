// A temporary folder of its own for each file test, removed with everything in it afterwards.
#ifndef ZOR_TESTS_UNIT_FILE_TEMP_FOLDER_H
#define ZOR_TESTS_UNIT_FILE_TEMP_FOLDER_H

#include <windows.h>

#include <string>

namespace test_files {

// Removes path and everything below it, read-only or not, without the code under test.
inline void remove_tree(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring full = path + L"\\" + name;
      SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
          !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        remove_tree(full);
      } else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveDirectoryW(full.c_str());
      } else {
        DeleteFileW(full.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(path.c_str());
}

// Owns a fresh folder below the temporary folder; path has no trailing '\'.
class Ctemp_folder {
 public:
  Ctemp_folder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static unsigned serial = 0;
    path = std::wstring(temp) + L"zor_file_test_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
           std::to_wstring(GetTickCount()) + L"_" + std::to_wstring(++serial);
    CreateDirectoryW(path.c_str(), nullptr);
  }
  ~Ctemp_folder() { remove_tree(path); }
  Ctemp_folder(const Ctemp_folder&) = delete;
  Ctemp_folder& operator=(const Ctemp_folder&) = delete;

  // Full path of a name below the folder.
  std::wstring operator/(const std::wstring& relative) const { return path + L"\\" + relative; }

  // Creates a file below the folder holding bytes; returns its full path.
  std::wstring file(const std::wstring& relative, const std::string& bytes = std::string()) const {
    const std::wstring full = *this / relative;
    HANDLE handle = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      if (!bytes.empty()) WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
      CloseHandle(handle);
    }
    return full;
  }

  // Creates a folder below the folder; returns its full path.
  std::wstring folder(const std::wstring& relative) const {
    const std::wstring full = *this / relative;
    CreateDirectoryW(full.c_str(), nullptr);
    return full;
  }

  std::wstring path;
};

inline bool exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The whole content of a file as bytes; empty when it cannot be read.
inline std::string read_bytes(const std::wstring& path) {
  std::string bytes;
  HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return bytes;
  char buffer[4096];
  DWORD count = 0;
  while (ReadFile(handle, buffer, sizeof buffer, &count, nullptr) && count > 0) bytes.append(buffer, count);
  CloseHandle(handle);
  return bytes;
}

}  // namespace test_files

#endif
