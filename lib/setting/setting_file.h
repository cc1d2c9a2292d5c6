// Loading description files from disk: the Windows edge of the setting-file reader
// (setting_file_win.cpp; the core reads lines it is given).
#ifndef ZOR_SETTING_SETTING_FILE_H
#define ZOR_SETTING_SETTING_FILE_H

#include "lib/setting/setting_reader.h"

#include <string>
#include <vector>

namespace ZOR {

// Reads the whole file at path in text mode (CR LF arrives as LF) and decodes it from the
// ANSI code page; a zero-byte file gives an empty text. Returns false, with the error
// recorded (lib/error), when the file cannot be opened or measured, when reading fails,
// or when it is larger than any description file can be (64 MiB: errno 27, EFBIG).
bool load_text_file(const std::wstring& path, std::wstring& text);
// load_text_file followed by split_lines.
bool load_text_lines(const std::wstring& path, std::vector<std::wstring>& lines);

// Loads path's lines and runs the shared reading loop over them; a file that cannot be
// loaded gives the problem open_failed (its error recorded).
Csetting_read_result read_setting_file(const std::wstring& path, const std::vector<Csetting_rule>& rules,
                                       const Csetting_syntax& syntax);

// find_reg_path_lines over the file at path. Returns false, with the error recorded, when
// the file cannot be loaded.
bool find_reg_path(const std::wstring& path, std::wstring& reg_path);

}  // namespace ZOR

#endif
