// The rules' file system over POSIX calls, with Windows' case-blind names and text mode.
#include "disc/native_files.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "disc/layout_text.h"
#include "disc/native_text.h"
#include "lib/setting/setting_lexer.h"
#include "lib/text/text.h"

namespace disc {

namespace {

struct Cfile_closer {
  void operator()(FILE* file) const { std::fclose(file); }
};

// Reads up to limit bytes of a Linux file; false when it cannot be opened or read.
bool read_linux_file(const std::string& path, std::uint64_t limit, std::string& bytes) {
  bytes.clear();
  std::unique_ptr<FILE, Cfile_closer> file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  char buffer[65536];
  while (bytes.size() < limit) {
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(sizeof buffer, limit - bytes.size()));
    const std::size_t got = std::fread(buffer, 1, want, file.get());
    bytes.append(buffer, got);
    if (got < want) return !std::ferror(file.get());
  }
  return true;
}

}  // namespace

int linux_path_kind(const std::string& path) {
  struct stat info;
  if (path.empty() || stat(path.c_str(), &info) != 0) return -1;
  return S_ISDIR(info.st_mode) ? 0 : 1;
}

std::uint64_t linux_file_size(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return 0;
  return static_cast<std::uint64_t>(info.st_size);
}

std::time_t linux_file_time(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return 0;
  return info.st_mtime;
}

std::string without_trailing_slash(const std::string& path) {
  std::string result = path;
  while (result.size() > 1 && result.back() == '/') result.pop_back();
  return result;
}

std::vector<std::string> linux_folder_names(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

Cnative_files::Cnative_files(const std::wstring& drive, const std::string& root) : drive_(drive), root_(root) {}

void Cnative_files::add_stand_in(const std::wstring& path, const std::string& linux_path) {
  stand_ins_[ZOR::lower_copy(path)] = linux_path;
}

std::string Cnative_files::linux_path(const std::wstring& path) const {
  if (ZOR::lower_copy(path.substr(0, drive_.size())) != ZOR::lower_copy(drive_)) return std::string();
  std::string result = root_;
  std::size_t start = drive_.size();
  while (start < path.size()) {
    std::size_t end = path.find(L'\\', start);
    if (end == std::wstring::npos) end = path.size();
    const std::string name = utf8_of(path.substr(start, end - start));
    start = end + 1;
    if (name.empty()) continue;
    std::string next = result + "/" + name;
    if (linux_path_kind(next) < 0) {
      for (const std::string& present : linux_folder_names(result)) {
        if (ZOR::lower_copy(present) == ZOR::lower_copy(name)) {
          next = result + "/" + present;
          break;
        }
      }
    }
    result = next;
  }
  return result;
}

int Cnative_files::path_kind(const std::wstring& path) const {
  const int kind = linux_path_kind(linux_path(path));
  if (kind >= 0) return kind;
  const auto stand_in = stand_ins_.find(ZOR::lower_copy(path));
  if (stand_in == stand_ins_.end()) return -1;
  return stand_in->second.empty() ? 1 : linux_path_kind(stand_in->second);
}

bool Cnative_files::load_lines(const std::wstring& path, std::vector<std::wstring>& lines) const {
  lines.clear();
  const std::string file = linux_path(path);
  const std::uint64_t largest = static_cast<std::uint64_t>(ZOR::largest_setting_file);
  if (linux_path_kind(file) != 1 || linux_file_size(file) > largest) return false;
  std::string bytes;
  if (!read_linux_file(file, largest, bytes)) return false;
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\x1A') break;
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    text += bytes[i];
  }
  // The programs' conversion stops at a NUL byte.
  text = text.substr(0, text.find('\0'));
  std::wstring wide;
  decode_cp932(text.data(), text.size(), wide);
  ZOR::split_lines(wide, lines);
  return true;
}

bool Cnative_files::read_head(const std::wstring& path, std::size_t count, std::string& bytes) const {
  std::string file = linux_path(path);
  if (linux_path_kind(file) != 1) {
    const auto stand_in = stand_ins_.find(ZOR::lower_copy(path));
    if (stand_in == stand_ins_.end() || stand_in->second.empty()) return false;
    file = stand_in->second;
  }
  return read_linux_file(file, count, bytes);
}

}  // namespace disc
