// The disc as the programs would see it in a drive, answered from a maker's Linux folder.
#ifndef ZOR_DISC_NATIVE_FILES_H
#define ZOR_DISC_NATIVE_FILES_H

#include <cstdint>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "lib/rules/disc_files.h"

namespace disc {

// A drive (such as L"D:") whose root is a Linux folder. Names are found as Windows finds
// them on a disc, without regard to the case of ASCII letters. Stand-ins answer for files
// missing on the disc that the image builder adds (the build's programs).
class Cnative_files : public ZOR::Cdisc_files {
 public:
  Cnative_files(const std::wstring& drive, const std::string& root);

  // path (a drive path) counts as the file at linux_path when missing on the disc; an empty
  // linux_path counts as a file that is there.
  void add_stand_in(const std::wstring& path, const std::string& linux_path);

  // The Linux path of a drive path (its names matched without regard to case); empty when
  // the path does not lie on this drive.
  std::string linux_path(const std::wstring& path) const;

  int path_kind(const std::wstring& path) const override;
  // Emulates the programs' text mode: CR LF becomes LF and a Ctrl-Z ends the text; decodes
  // code page 932. Fails above largest_setting_file, as the programs' loader does.
  bool load_lines(const std::wstring& path, std::vector<std::wstring>& lines) const override;
  bool read_head(const std::wstring& path, std::size_t count, std::string& bytes) const override;

 private:
  std::wstring drive_;
  std::string root_;
  std::map<std::wstring, std::string> stand_ins_;  // by the path with ASCII letters folded
};

// -1, 0 or 1 for a Linux path, as path_kind.
int linux_path_kind(const std::string& path);
// The size of a Linux file; 0 when it cannot be read.
std::uint64_t linux_file_size(const std::string& path);
// path without the '/' that end it (but "/" itself).
std::string without_trailing_slash(const std::string& path);
// The modification time of a Linux file; 0 when it cannot be read.
std::time_t linux_file_time(const std::string& path);
// The names in a Linux folder, sorted; empty when it cannot be listed.
std::vector<std::string> linux_folder_names(const std::string& folder);

}  // namespace disc

#endif
