// Setup's and Foyer's start-up checks of the disc, written once for both and the disc tool.
#include "lib/rules/startup_rules.h"

namespace ZOR {

std::wstring setup_ini_unreadable_message() { return L"Setup.ini が開けませんでした。"; }

std::wstring command_line_message(const std::wstring& parser_error) {
  return L"コマンドラインの解析に失敗しました。\n" + parser_error;
}

std::wstring no_setup_data_dir_message() { return L"モジュールの起動場所が指定されていません。"; }

const std::vector<std::wstring>& setup_data_programs() {
  static const std::vector<std::wstring> programs = {L"Setup.exe", L"Foyer.exe", L"Config.exe", L"Chronicle.exe"};
  return programs;
}

std::wstring autorun_program_name() { return L"Autorun.exe"; }

const std::vector<Clayout_check>& disc_layout(Setup_ini_reader program) {
  static const std::vector<Clayout_check> setup = {
      {L"", 0, L"SetupData フォルダが見つかりませんでした。"},
      {L"GameData", 0, L"GameData フォルダが見つかりませんでした。"},
      {L"Setup.ini", 1, L"Setup.ini が見つかりませんでした。"},
      {L"Setup.ico", 1, L"Setup.ico が見つかりません。"},
  };
  static const std::vector<Clayout_check> foyer = {
      {L"", 0, L"SetupData フォルダが見つかりませんでした。"},
      {L"GameData", 0, L"GameData フォルダが見つかりませんでした。"},
      {L"Setup.exe", 1, L"Setup.exe が見つかりませんでした。"},
      {L"Setup.ini", 1, L"Setup.ini が見つかりませんでした。"},
      {L"Setup.bmp", 1, L"Setup.bmp が見つかりませんでした。"},
      {L"Setup.ico", 1, L"Setup.ico が見つかりませんでした。"},
  };
  return program == Setup_ini_reader::setup ? setup : foyer;
}

bool check_disc_layout(const Cdisc_files& files, Setup_ini_reader program, const std::wstring& setup_data_dir,
                       Crule_problem& problem) {
  for (const Clayout_check& check : disc_layout(program)) {
    const std::wstring path = check.name.empty() ? setup_data_dir : setup_data_dir + L"\\" + check.name;
    if (files.path_kind(path) != check.kind) {
      problem = Crule_problem{check.message, startup_caption(program), 0};
      return false;
    }
  }
  return true;
}

std::vector<Crule_problem> menu_target_problems(const Cdisc_files& files, const std::wstring& setup_data_dir,
                                               const Csetup_ini& ini) {
  std::vector<Crule_problem> problems;
  const std::wstring& title = ini.game_title;
  if (ini.direct_x_use) {
    if (files.path_kind(setup_data_dir + L"\\DirectX") != 0) {
      problems.push_back({L"DirectX フォルダが見つかりませんでした。", title, 0});
    } else if (files.path_kind(setup_data_dir + L"\\DirectX\\DXSETUP.exe") != 1) {
      problems.push_back({L"DXSETUP.exe が見つかりませんでした。", title, 0});
    }
  }
  if (ini.manual_use && files.path_kind(ini.manual_path) != 1) {
    problems.push_back({ini.manual_path + L" が見つかりませんでした。", title, 0});
  }
  // The extra button may open a folder: only a missing target fails.
  if (ini.ex_button_use && files.path_kind(ini.ex_button_path) < 0) {
    problems.push_back({ini.ex_button_path + L" が見つかりませんでした。", title, 0});
  }
  return problems;
}

void join_menu_paths(const std::wstring& setup_data_dir, Csetup_ini& ini) {
  ini.manual_path = setup_data_dir + L"\\" + ini.manual_path;
  ini.ex_button_path = setup_data_dir + L"\\" + ini.ex_button_path;
}

bool read_setup_ini(const Cdisc_files& files, const std::wstring& setup_data_dir, Setup_ini_reader program,
                    Csetup_ini& ini, Crule_problem& problem) {
  ini = Csetup_ini();
  std::vector<std::wstring> lines;
  if (!files.load_lines(setup_data_dir + L"\\Setup.ini", lines)) {
    problem = Crule_problem{setup_ini_unreadable_message(), startup_caption(program), 0};
    return false;
  }
  if (!read_setup_ini_lines(lines, program, ini, problem)) return false;
  join_menu_paths(setup_data_dir, ini);
  if (program == Setup_ini_reader::setup) return true;
  const std::vector<Crule_problem> targets = menu_target_problems(files, setup_data_dir, ini);
  if (targets.empty()) return true;
  problem = targets.front();
  return false;
}

std::wstring game_key_path(const std::wstring& reg_path) { return L"Software\\" + reg_path; }

}  // namespace ZOR
