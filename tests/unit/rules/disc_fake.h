// A disc made of a table in memory, for the start-up rules' tests: kinds by path, lines
// of the description files, and bytes of the pictures.
#ifndef ZOR_TESTS_UNIT_RULES_DISC_FAKE_H
#define ZOR_TESTS_UNIT_RULES_DISC_FAKE_H

#include <map>
#include <string>
#include <vector>

#include "lib/rules/disc_files.h"

namespace rules_test {

class Cdisc_fake : public ZOR::Cdisc_files {
 public:
  // A folder; a file with its text (its lines split at line feeds) or bytes.
  Cdisc_fake& folder(const std::wstring& path) {
    kinds_[path] = 0;
    return *this;
  }
  Cdisc_fake& file(const std::wstring& path, const std::wstring& text = std::wstring()) {
    kinds_[path] = 1;
    texts_[path] = text;
    return *this;
  }
  // A file that exists but cannot be read.
  Cdisc_fake& unreadable(const std::wstring& path) {
    kinds_[path] = 1;
    texts_.erase(path);
    return *this;
  }
  Cdisc_fake& remove(const std::wstring& path) {
    kinds_.erase(path);
    texts_.erase(path);
    return *this;
  }

  int path_kind(const std::wstring& path) const override {
    const auto found = kinds_.find(path);
    return found == kinds_.end() ? -1 : found->second;
  }
  bool load_lines(const std::wstring& path, std::vector<std::wstring>& lines) const override {
    lines.clear();
    const auto found = texts_.find(path);
    if (found == texts_.end()) return false;
    std::wstring::size_type start = 0;
    for (;;) {
      const std::wstring::size_type end = found->second.find(L'\n', start);
      lines.push_back(found->second.substr(start, end - start));
      if (end == std::wstring::npos) return true;
      start = end + 1;
    }
  }
  bool read_head(const std::wstring&, std::size_t, std::string&) const override { return false; }

 private:
  std::map<std::wstring, int> kinds_;
  std::map<std::wstring, std::wstring> texts_;
};

}  // namespace rules_test

#endif
