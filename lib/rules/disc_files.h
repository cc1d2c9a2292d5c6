// The disc's file system as the start-up rules see it: the programs answer it with Win32
// (lib/rules/platform_files.h), the disc tool with the native file system.
#ifndef ZOR_RULES_DISC_FILES_H
#define ZOR_RULES_DISC_FILES_H

#include <cstddef>
#include <string>
#include <vector>

namespace ZOR {

// Paths are the programs' paths: '\' separates, the setup data folder comes first.
class Cdisc_files {
 public:
  virtual ~Cdisc_files() = default;
  // -1 when path does not exist, 0 for a folder, 1 for anything else (a file).
  virtual int path_kind(const std::wstring& path) const = 0;
  // The lines of a description file as load_text_lines gives them (text mode, the ANSI
  // code page, split at every line feed). False when it cannot be loaded.
  virtual bool load_lines(const std::wstring& path, std::vector<std::wstring>& lines) const = 0;
  // Up to count bytes from the start of the file into bytes (fewer for a shorter file).
  // False when it cannot be opened or read.
  virtual bool read_head(const std::wstring& path, std::size_t count, std::string& bytes) const = 0;
};

}  // namespace ZOR

#endif
