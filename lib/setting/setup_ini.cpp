// The Setup.ini patterns of Setup and Foyer over the shared reading loop.
#include "lib/setting/setup_ini.h"

namespace ZOR {

Csetting_read_result read_setup_ini_keys(const std::vector<std::wstring>& lines, Setup_ini_reader reader,
                                         Csetup_ini& ini) {
  ini = Csetup_ini();
  const bool setup = reader == Setup_ini_reader::setup;
  std::wstring text;
  std::int32_t number = 0;
  auto flag = [&number](bool& field) { return [&number, &field] { field = number != 0; }; };
  std::vector<Csetting_rule> rules = {
      {L"#GAME_TITLE = %s", {&ini.game_title}, nullptr},
      {L"#REG_PATH = %s", {&ini.reg_path}, nullptr},
      {L"#DIRECT_X_USE = %d", {&number}, flag(ini.direct_x_use)},
      {L"#MANUAL_USE = %d", {&number}, flag(ini.manual_use)},
      {L"#MANUAL_PATH = %s", {&ini.manual_path}, nullptr},
      {L"#EX_BUTTON.000.USE = %d", {&number}, flag(ini.ex_button_use)},
      {L"#EX_BUTTON.000.NAME = %s", {&ini.ex_button_name}, nullptr},
      {L"#EX_BUTTON.000.PATH = %s", {&ini.ex_button_path}, nullptr},
      {L"#EX_BUTTON.000.CLOSE = %d", {&number}, flag(ini.ex_button_close)},
  };
  // Setup accepts every extra-button line, also of buttons that Foyer does not know.
  if (setup) rules.push_back({L"#EX_BUTTON", {}, nullptr});
  const std::vector<Csetting_rule> install_rules = {
      {L"#DISC_CNT = %d", {&ini.disc_count}, nullptr},
      {L"#DISC_NAME . %d = %s", {&number, &text},
       [&] {
         if (number >= 0 && number < Csetup_ini::disc_name_count) ini.disc_names[static_cast<size_t>(number)] = text;
       }},
      {L"#SETUP_SIZE = %64d", {&ini.setup_size}, nullptr},
      {L"#MIN_SETUP_USE = %d", {&number}, flag(ini.min_setup_use)},
      // Disc numbers count from 1 in the file; the subtraction wraps for the lowest value,
      // which like any number outside the discs names no disc. A pattern matches a prefix
      // of the line, so the form with a disc number must come first.
      {L"#SETUP_FILE = %s, %d", {&text, &number},
       [&] {
         ini.setup_files.push_back(
             {text, static_cast<std::int32_t>(static_cast<std::uint32_t>(number) - 1u)});
       }},
      {L"#SETUP_FILE = %s", {&text}, [&] { ini.setup_files.push_back({text, 0}); }},
  };
  rules.insert(rules.end(), install_rules.begin(), install_rules.end());
  return read_setting_lines(lines, rules, {true, Unmatched_line::stop});
}

std::wstring find_reg_path_lines(const std::vector<std::wstring>& lines) {
  std::wstring reg_path;
  read_setting_lines(lines, {{L"#REG_PATH = %s", {&reg_path}, nullptr}}, {false, Unmatched_line::skip_until_found});
  return reg_path;
}

}  // namespace ZOR
