// Test driver: sample discs of the tests' own, Setup.ini edits, and the registry checks.
#include "tests/driver/sample_disc.h"

#include <gtest/gtest.h>

namespace driver {

namespace {

void collect_tree(const std::wstring& base, const std::wstring& relative, std::set<std::wstring>& tree) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((base + L"\\" + relative + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      tree.insert(relative + name + L"\\");
      collect_tree(base, relative + name + L"\\", tree);
    } else {
      tree.insert(relative + name);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace

std::wstring doubled_backslashes(const std::wstring& value) {
  std::wstring doubled;
  for (wchar_t c : value) {
    doubled += c;
    if (c == L'\\') doubled += c;
  }
  return doubled;
}

std::set<std::wstring> tree_of(const std::wstring& folder) {
  std::set<std::wstring> tree;
  collect_tree(folder, L"", tree);
  return tree;
}

Csample_disc::Csample_disc(const std::wstring& source) {
  copy_folder_tree(source, dir());
  CreateDirectoryW(scratch().c_str(), nullptr);
  reg_path_ = key_.path().substr(std::wstring(L"Software\\").size());
  set_ini_line(L"#REG_PATH", L"#REG_PATH = \"" + doubled_backslashes(reg_path_) + L"\"");
}

std::vector<std::wstring> Csample_disc::ini_lines() const {
  std::wstring text = from_ansi(read_bytes(dir() + L"\\Setup.ini"));
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

void Csample_disc::write_ini(const std::vector<std::wstring>& lines) const {
  std::wstring text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i == 0 ? L"" : L"\n") + lines[i];
  EXPECT_TRUE(write_bytes(dir() + L"\\Setup.ini", to_ansi(text)));
}

void Csample_disc::set_ini_line(const std::wstring& key, const std::wstring& line) const {
  std::vector<std::wstring> lines = ini_lines();
  bool replaced = false;
  for (std::wstring& existing : lines) {
    if (existing.compare(0, key.size(), key) == 0) {
      existing = line;
      replaced = true;
    }
  }
  if (!replaced) lines.push_back(line);
  write_ini(lines);
}

void Csample_disc::add_ini_line(const std::wstring& line) const {
  std::vector<std::wstring> lines = ini_lines();
  lines.push_back(line);
  write_ini(lines);
}

void Csample_disc::remove_ini_lines(const std::wstring& key) const {
  std::vector<std::wstring> kept;
  for (const std::wstring& line : ini_lines()) {
    if (line.compare(0, key.size(), key) != 0) kept.push_back(line);
  }
  write_ini(kept);
}

Cstored_value stored_value(const std::wstring& key_path, const std::wstring& name) {
  Cstored_value value;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key_path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
  wchar_t buffer[2048] = {};
  DWORD size = sizeof(buffer) - sizeof(wchar_t);
  if (RegQueryValueExW(key, name.c_str(), nullptr, &value.type, reinterpret_cast<BYTE*>(buffer), &size) ==
      ERROR_SUCCESS) {
    value.found = true;
    value.size = size;
    value.text.assign(buffer, size / sizeof(wchar_t));
    if (!value.text.empty() && value.text.back() == L'\0') value.text.pop_back();
  }
  RegCloseKey(key);
  return value;
}

bool key_exists(const std::wstring& key_path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key_path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

}  // namespace driver
