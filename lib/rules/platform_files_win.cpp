// The start-up rules' view of the file system through the library's Win32 operations.
#include "lib/rules/platform_files.h"

#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/setting/setting_file.h"

namespace ZOR {

int Cplatform_files::path_kind(const std::wstring& path) const { return ZOR::path_kind(path); }

bool Cplatform_files::load_lines(const std::wstring& path, std::vector<std::wstring>& lines) const {
  return load_text_lines(path, lines);
}

bool Cplatform_files::read_head(const std::wstring& path, std::size_t count, std::string& bytes) const {
  bytes.clear();
  Cfile file;
  if (!file.open(path, L"rb")) return false;
  bytes.resize(count);
  const long long read = file_read(&bytes[0], static_cast<long long>(count), file.handle);
  Cerror_info error;
  if (get_last_error(error)) return false;
  bytes.resize(static_cast<std::size_t>(read > 0 ? read : 0));
  return true;
}

const Cdisc_files& platform_files() {
  static const Cplatform_files files;
  return files;
}

}  // namespace ZOR
