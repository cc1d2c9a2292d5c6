// Test driver: snapshots of folders and registry keys, and their differences.
#include "tests/driver/snapshot.h"

#include <windows.h>

#include <cstdint>
#include <iterator>
#include <utility>

namespace driver {
namespace {

constexpr std::uint64_t hashed_size_limit = 64ULL << 20;

// FNV-1a of the file's bytes, read while others may hold it open; "?" when it cannot be read.
std::wstring content_hash(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return L"?";
  std::uint64_t hash = 1469598103934665603ULL;
  static char buffer[1 << 16];
  DWORD count = 0;
  while (ReadFile(file, buffer, sizeof buffer, &count, nullptr) && count > 0) {
    for (DWORD i = 0; i < count; ++i) hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211ULL;
  }
  CloseHandle(file);
  return std::to_wstring(hash);
}

void record_folder(const std::wstring& folder, std::map<std::wstring, std::wstring>& entries) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring full = folder + L"\\" + name;
    const std::wstring attributes = L"attributes " + std::to_wstring(found.dwFileAttributes);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      entries[full + L"\\"] = attributes;
      record_folder(full, entries);
      continue;
    }
    const std::uint64_t size = (std::uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    const std::uint64_t written =
        (std::uint64_t(found.ftLastWriteTime.dwHighDateTime) << 32) | found.ftLastWriteTime.dwLowDateTime;
    entries[full] = attributes + L", size " + std::to_wstring(size) + L", written " + std::to_wstring(written) +
                    (size <= hashed_size_limit ? L", hash " + content_hash(full) : L"");
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

void record_key(const std::wstring& path, std::map<std::wstring, std::wstring>& entries) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  const std::wstring name = L"HKLM\\" + path;
  entries[name] = L"key";
  wchar_t value_name[16384];
  BYTE data[65536];
  for (DWORD i = 0;; ++i) {
    DWORD name_length = 16384, type = 0, size = sizeof data;
    if (RegEnumValueW(key, i, value_name, &name_length, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
    std::wstring description = L"type " + std::to_wstring(type) + L":";
    for (DWORD b = 0; b < size; ++b) description += L" " + std::to_wstring(data[b]);
    entries[name + L":" + value_name] = description;
  }
  std::vector<std::wstring> subkeys;
  for (DWORD i = 0;; ++i) {
    DWORD name_length = 16384;
    if (RegEnumKeyExW(key, i, value_name, &name_length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    subkeys.push_back(value_name);
  }
  RegCloseKey(key);
  for (const std::wstring& subkey : subkeys) record_key(path + L"\\" + subkey, entries);
}

}  // namespace

Csnapshot::Csnapshot(std::vector<std::wstring> folders, std::vector<std::wstring> keys)
    : folders_(std::move(folders)), keys_(std::move(keys)) {
  for (const std::wstring& folder : folders_) {
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) continue;
    entries[folder + L"\\"] = L"attributes " + std::to_wstring(attributes);
    record_folder(folder, entries);
  }
  for (const std::wstring& key : keys_) record_key(key, entries);
}

Csnapshot Csnapshot::again() const { return Csnapshot(folders_, keys_); }

void Csnapshot::forget(const std::wstring& path) {
  for (auto i = entries.lower_bound(path); i != entries.end() && i->first.compare(0, path.size(), path) == 0;) {
    const bool below = i->first.size() == path.size() || i->first[path.size()] == L'\\' || i->first[path.size()] == L':';
    i = below ? entries.erase(i) : std::next(i);
  }
}

std::wstring difference(const Csnapshot& before, const Csnapshot& after) {
  std::wstring lines;
  for (const auto& entry : before.entries) {
    auto found = after.entries.find(entry.first);
    if (found == after.entries.end()) {
      lines += L"- " + entry.first + L"\n";
    } else if (found->second != entry.second) {
      lines += L"~ " + entry.first + L" (" + entry.second + L" -> " + found->second + L")\n";
    }
  }
  for (const auto& entry : after.entries) {
    if (before.entries.count(entry.first) == 0) lines += L"+ " + entry.first + L"\n";
  }
  return lines;
}

}  // namespace driver
