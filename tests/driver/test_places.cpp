// Test driver: temporary folders and the files in them, registry keys, paths of the built programs.
#include "tests/driver/test_places.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>

namespace driver {
namespace {

const wchar_t test_key_root[] = L"Software\\ZorTest";

std::wstring environment_path(const wchar_t* name) {
  wchar_t value[MAX_PATH * 4] = L"";
  const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH * 4);
  if (length == 0 || length >= MAX_PATH * 4) {
    ADD_FAILURE() << "the environment variable " << testing::PrintToString(std::wstring(name))
                  << " is not set (the tests run through ctest)";
    return L"";
  }
  return windows_path(value);
}

}  // namespace

std::wstring unique_name() {
  static std::atomic<unsigned> counter{0};
  LARGE_INTEGER ticks;
  QueryPerformanceCounter(&ticks);
  return L"zor_" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++counter) +
         L"_" + std::to_wstring(ticks.QuadPart & 0xFFFFFF);
}

Ctemp_folder::Ctemp_folder() {
  wchar_t temp[MAX_PATH + 1] = L"";
  const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  if (length == 0 || length > MAX_PATH) {
    ADD_FAILURE() << "GetTempPathW failed with error " << GetLastError();
    return;
  }
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::wstring candidate = std::wstring(temp) + unique_name();
    if (CreateDirectoryW(candidate.c_str(), nullptr)) {
      path_ = candidate;
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  ADD_FAILURE() << "no temporary folder could be created, error " << GetLastError();
}

Ctemp_folder::~Ctemp_folder() {
  if (!path_.empty() && !remove_folder_tree(path_)) {
    ADD_FAILURE() << "the temporary folder " << testing::PrintToString(path_)
                  << " could not be removed";
  }
}

std::wstring Ctemp_folder::file(const std::wstring& relative, const std::string& bytes) const {
  const std::wstring full = *this / relative;
  if (!write_bytes(full, bytes)) {
    ADD_FAILURE() << "the test file " << testing::PrintToString(full) << " could not be written, error "
                  << GetLastError();
  }
  return full;
}

std::wstring Ctemp_folder::folder(const std::wstring& relative) const {
  const std::wstring full = *this / relative;
  if (!CreateDirectoryW(full.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
    ADD_FAILURE() << "the test folder " << testing::PrintToString(full) << " could not be made, error "
                  << GetLastError();
  }
  return full;
}

bool remove_folder_tree(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring full = path + L"\\" + name;
      SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      const bool linked = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && linked) {
        RemoveDirectoryW(full.c_str());  // the link only, never what it points to
      } else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        remove_folder_tree(full);
      } else {
        DeleteFileW(full.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(path.c_str());
  return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string read_bytes(const std::wstring& path) {
  std::string bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[4096];
  DWORD count = 0;
  while (ReadFile(file, buffer, sizeof buffer, &count, nullptr) && count > 0) bytes.append(buffer, count);
  CloseHandle(file);
  return bytes;
}

std::wstring from_ansi(const std::string& bytes) {
  if (bytes.empty()) return std::wstring();
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], length);
  return text;
}

std::string to_ansi(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int length =
      WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &bytes[0], length, nullptr, nullptr);
  return bytes;
}

bool write_bytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool whole = bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                                                 nullptr) && written == bytes.size());
  const DWORD error = GetLastError();
  CloseHandle(file);
  SetLastError(error);
  return whole;
}

bool make_sized_file(const std::wstring& path, std::int64_t size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER end;
  end.QuadPart = size;
  const bool sized = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  CloseHandle(file);
  return sized;
}

void copy_folder_tree(const std::wstring& from, const std::wstring& to) {
  CreateDirectoryW(to.c_str(), nullptr);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((from + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot list " << testing::PrintToString(from);
    return;
  }
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L".." || name == L".empty") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      copy_folder_tree(from + L"\\" + name, to + L"\\" + name);
    } else {
      EXPECT_TRUE(CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE))
          << testing::PrintToString(from + L"\\" + name);
      // The repository's files may be read-only for the test user; the copies are the test's.
      SetFileAttributesW((to + L"\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

Ctest_registry_key::Ctest_registry_key()
    : path_(std::wstring(test_key_root) + L"\\" + unique_name()) {}

Ctest_registry_key::~Ctest_registry_key() {
  const LSTATUS status = RegDeleteTreeW(HKEY_LOCAL_MACHINE, path_.c_str());
  if (status == ERROR_SUCCESS) {
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, path_.c_str());
  } else if (status != ERROR_FILE_NOT_FOUND) {
    ADD_FAILURE() << "the test key " << testing::PrintToString(path_)
                  << " could not be removed, status " << status;
  }
}

std::wstring windows_path(const std::wstring& linux_path) {
  std::wstring path = L"Z:" + linux_path;
  for (auto& c : path) {
    if (c == L'/') c = L'\\';
  }
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();
  return path;
}

std::wstring small_drive() {
  wchar_t drive[16] = {};
  DWORD length = GetEnvironmentVariableW(L"ZOR_SMALL_DRIVE", drive, 16);
  return length > 0 && length < 16 ? std::wstring(drive) : std::wstring();
}

Cdrive_filler::Cdrive_filler(const std::wstring& drive, std::int64_t leave_free) : path_(drive + L"\\filler.bin") {
  HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  EXPECT_NE(file, INVALID_HANDLE_VALUE) << "the filler cannot be made";
  // Large blocks first, then single bytes: the last free byte is taken too.
  std::string block(1 << 16, 'f');
  for (DWORD written = 1; written > 0;) {
    if (!WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr)) break;
  }
  for (DWORD written = 1; written > 0;) {
    if (!WriteFile(file, block.data(), 1, &written, nullptr)) break;
  }
  LARGE_INTEGER size = {};
  if (leave_free > 0 && GetFileSizeEx(file, &size)) {
    size.QuadPart = size.QuadPart > leave_free ? size.QuadPart - leave_free : 0;
    EXPECT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file)) << "the filler cannot shrink";
  }
  CloseHandle(file);
}

Cdrive_filler::~Cdrive_filler() { DeleteFileW(path_.c_str()); }

std::wstring binary_dir() { return environment_path(L"ZOR_BINARY_DIR"); }

std::wstring program_path(const std::wstring& file_name) {
  return binary_dir() + L"\\bin\\" + file_name;
}

std::wstring source_dir() { return environment_path(L"ZOR_SOURCE_DIR"); }

std::wstring source_path(const std::wstring& relative) { return source_dir() + L"\\" + relative; }

Cenvironment_value::Cenvironment_value(const wchar_t* name, const wchar_t* value) : name_(name) {
  SetEnvironmentVariableW(name, value);
}

Cenvironment_value::~Cenvironment_value() { SetEnvironmentVariableW(name_, nullptr); }

}  // namespace driver
