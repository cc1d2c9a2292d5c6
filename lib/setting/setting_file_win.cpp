// load_text_file through Cfile and the ANSI code page, and the file forms of the readers.
#include "lib/setting/setting_file.h"

#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/setting/setting_lexer.h"
#include "lib/setting/setup_ini.h"
#include "lib/text/codepage.h"

#include <utility>
#include <vector>

namespace ZOR {

bool load_text_file(const std::wstring& path, std::wstring& text) {
  text.clear();
  Cfile file;
  if (!file.open(path, L"rt")) return false;
  if (file.size > largest_setting_file) {
    Cerror_info info;
    info.kind = Cerror_info::kind_errno;
    info.code = 27;  // EFBIG
    info.operation = L"load_text_file";
    set_last_error(info);
    return false;
  }
  std::vector<char> bytes(static_cast<size_t>(file.size) + 1);
  // Text mode turns CR LF into LF, so fewer bytes than the size may arrive.
  const std::int64_t count = file_read(bytes.data(), file.size, file.handle);
  Cerror_info read_error;
  if (get_last_error(read_error)) return false;
  if (!file.close()) return false;
  text = bytes_to_text(bytes.data(), count);
  return true;
}

bool load_text_lines(const std::wstring& path, std::vector<std::wstring>& lines) {
  lines.clear();
  std::wstring text;
  if (!load_text_file(path, text)) return false;
  split_lines(text, lines);
  return true;
}

Csetting_read_result read_setting_file(const std::wstring& path, const std::vector<Csetting_rule>& rules,
                                       const Csetting_syntax& syntax) {
  std::vector<std::wstring> lines;
  if (!load_text_lines(path, lines)) {
    Csetting_read_result result;
    result.problem = Setting_problem::open_failed;
    return result;
  }
  return read_setting_lines(std::move(lines), rules, syntax);
}

bool find_reg_path(const std::wstring& path, std::wstring& reg_path) {
  reg_path.clear();
  std::vector<std::wstring> lines;
  if (!load_text_lines(path, lines)) return false;
  reg_path = find_reg_path_lines(lines);
  return true;
}

}  // namespace ZOR
