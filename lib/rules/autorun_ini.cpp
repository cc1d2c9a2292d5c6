// Autorun.ini's reading over the shared loop, and the hand-over choice.
#include "lib/rules/autorun_ini.h"

#include "lib/setting/setting_reader.h"
#include "lib/text/text.h"

namespace ZOR {

std::wstring default_setup_data_name() { return L"SetupData"; }

bool read_autorun_ini_lines(const std::vector<std::wstring>& lines, std::wstring& name, Crule_problem& problem) {
  name = default_setup_data_name();
  std::wstring value;
  const std::vector<Csetting_rule> rules = {
      {L"#SETUP_DATA = %s", {&value}, [&name, &value] { name = value; }},
  };
  const Csetting_read_result result = read_setting_lines(lines, rules, Csetting_syntax{false, Unmatched_line::stop});
  if (result.problem == Setting_problem::none) return true;
  problem = Crule_problem{L"Autorun.ini の解析に失敗しました。(" + int_to_text(result.line) + L"行目)", L"",
                          result.line, true};
  return false;
}

bool read_setup_data_name(const Cdisc_files& files, const std::wstring& program_folder, std::wstring& name,
                          Crule_problem& problem) {
  name = default_setup_data_name();
  const std::wstring path = program_folder + L"\\" + L"Autorun.ini";
  if (files.path_kind(path) != 1) return true;
  std::vector<std::wstring> lines;
  if (!files.load_lines(path, lines)) {
    problem = Crule_problem{L"Autorun.ini が開けませんでした。", L"", 0, true};
    return false;
  }
  return read_autorun_ini_lines(lines, name, problem);
}

Autorun_hand_over autorun_hand_over(const Cdisc_files& files, const std::wstring& setup_data_folder) {
  if (files.path_kind(setup_data_folder + L"\\" + L"Kickoff.exe") == 1) return Autorun_hand_over::kickoff;
  if (files.path_kind(setup_data_folder + L"\\" + L"Foyer.exe") != 1) return Autorun_hand_over::no_foyer;
  if (files.path_kind(setup_data_folder + L"\\" + L"Setup.exe") != 1) return Autorun_hand_over::no_setup;
  return Autorun_hand_over::foyer;
}

Crule_problem hand_over_problem(Autorun_hand_over hand_over) {
  switch (hand_over) {
    case Autorun_hand_over::no_foyer:
      return Crule_problem{L"Foyer.exe が見つかりませんでした。", L"", 0, false};
    case Autorun_hand_over::no_setup:
      return Crule_problem{L"Setup.exe が見つかりませんでした。", L"", 0, false};
    case Autorun_hand_over::kickoff:
    case Autorun_hand_over::foyer:
      break;
  }
  return Crule_problem{};
}

}  // namespace ZOR
