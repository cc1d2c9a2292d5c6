// Setup's and Foyer's checks of Setup.ini's content, with their messages and captions.
#include "lib/rules/setup_ini_checks.h"

#include "lib/setting/setting_reader.h"
#include "lib/text/text.h"

namespace ZOR {

namespace {

bool set_problem(Crule_problem& problem, const std::wstring& message, const std::wstring& caption, int line = 0) {
  problem.message = message;
  problem.caption = caption;
  problem.line = line;
  return false;
}

// Turns a stopped reading into the reader's message; true when the reading went through.
bool reading_ok(const Csetting_read_result& read, const std::wstring& caption, Crule_problem& problem) {
  switch (read.problem) {
    case Setting_problem::none:
      return true;
    case Setting_problem::syntax_error:
      return set_problem(problem,
                         L"Setup.ini の解析に失敗しました。\n" + read.message + L" (" + int_to_text(read.line) + L"行目)",
                         caption, read.line);
    case Setting_problem::unmatched_line:
    case Setting_problem::open_failed:  // lines already loaded cannot fail to open
      break;
  }
  return set_problem(problem, L"Setup.ini の解析に失敗しました。(" + int_to_text(read.line) + L"行目)", caption,
                     read.line);
}

bool is_drive_letter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }
bool is_path_separator(wchar_t c) { return c == L'\\' || c == L'/'; }

// A component of dots and spaces holding two dots or more: ".." once the platform has
// dropped trailing dots and spaces.
bool is_parent_component(const std::wstring& component) {
  std::size_t dots = 0;
  for (wchar_t c : component) {
    if (c == L'.') {
      ++dots;
    } else if (c != L' ') {
      return false;
    }
  }
  return dots >= 2;
}

// The registry path check shared by Setup and Foyer: present and a relative path with a '\'.
bool reg_path_ok(const std::wstring& reg_path) {
  return reg_path.find(L'\\') != std::wstring::npos && path_stays_inside(reg_path);
}

}  // namespace

std::wstring startup_caption(Setup_ini_reader program) {
  return program == Setup_ini_reader::setup ? L"Setup.exe" : L"Foyer.exe";
}

bool path_stays_inside(const std::wstring& path) {
  if (path.size() >= 2 && is_drive_letter(path[0]) && path[1] == L':') return false;
  if (!path.empty() && is_path_separator(path[0])) return false;
  std::wstring::size_type start = 0;
  for (;;) {
    std::wstring::size_type end = start;
    while (end < path.size() && !is_path_separator(path[end])) ++end;
    if (is_parent_component(path.substr(start, end - start))) return false;
    if (end >= path.size()) return true;
    start = end + 1;
  }
}

bool read_setup_ini_lines(const std::vector<std::wstring>& lines, Setup_ini_reader reader, Csetup_ini& ini,
                          Crule_problem& problem) {
  problem = Crule_problem();
  const bool setup = reader == Setup_ini_reader::setup;
  const std::wstring caption = startup_caption(reader);
  if (!reading_ok(read_setup_ini_keys(lines, reader, ini), caption, problem)) return false;

  const std::wstring& title = ini.game_title;
  if (title.empty()) return set_problem(problem, L"ゲームタイトルが設定されていません。", caption);
  if (ini.reg_path.empty()) return set_problem(problem, L"レジストリパスが設定されていません。", title);
  if (!reg_path_ok(ini.reg_path)) return set_problem(problem, L"レジストリパスが不正です。", title);
  if (!setup) return true;
  if (ini.disc_count != 1 && ini.disc_count != 2) {
    return set_problem(problem, L"ディスク枚数は１枚もしくは２枚にして下さい。", title);
  }
  if (ini.disc_count == 2) {
    for (int index = 0; index < 2; ++index) {
      if (ini.disc_names[static_cast<size_t>(index)].empty()) {
        return set_problem(problem, int_to_text(index + 1) + L"枚目のディスク名が指定されていません。", title);
      }
    }
  }
  if (ini.setup_files.empty()) return set_problem(problem, L"セットアップするファイルが指定されていません。", title);
  for (size_t i = 0; i < ini.setup_files.size(); ++i) {
    if (ini.setup_files[i].path.empty()) {
      return set_problem(problem,
                         L"セットアップするファイルの " + uint64_to_text(i + 1) + L" 番目が指定されていません。", title);
    }
  }
  // An entry is copied below GameData and later deleted below the installation folder:
  // one that could reach outside either is refused.
  for (size_t i = 0; i < ini.setup_files.size(); ++i) {
    if (!path_stays_inside(ini.setup_files[i].path)) {
      return set_problem(problem, L"セットアップするファイルの " + uint64_to_text(i + 1) + L" 番目が不正です。", title);
    }
  }
  return true;
}

}  // namespace ZOR
