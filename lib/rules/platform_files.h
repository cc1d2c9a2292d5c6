// The disc's file system for the start-up rules, answered with Win32: the Windows edge of
// lib/rules (platform_files_win.cpp).
#ifndef ZOR_RULES_PLATFORM_FILES_H
#define ZOR_RULES_PLATFORM_FILES_H

#include "lib/rules/disc_files.h"

namespace ZOR {

// path_kind, load_text_lines and Cfile ("rb") of the library; failures are recorded as
// those operations record them.
class Cplatform_files : public Cdisc_files {
 public:
  int path_kind(const std::wstring& path) const override;
  bool load_lines(const std::wstring& path, std::vector<std::wstring>& lines) const override;
  bool read_head(const std::wstring& path, std::size_t count, std::string& bytes) const override;
};

// The one instance the programs hand to the rules.
const Cdisc_files& platform_files();

}  // namespace ZOR

#endif
