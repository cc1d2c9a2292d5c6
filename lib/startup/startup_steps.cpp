// Setup's and Foyer's shared start-up steps with their message boxes.
#include "lib/startup/startup_steps.h"

#include <windows.h>

#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/rules/platform_files.h"
#include "lib/window/application.h"

namespace ZOR {

void startup_warning(Setup_ini_reader program, const std::wstring& text) {
  message_box(text, startup_caption(program), MB_ICONWARNING);
}

bool read_startup_options(Setup_ini_reader program, const std::vector<Coption_target>& targets) {
  std::wstring error;
  if (read_options(application.command_line, targets, error)) return true;
  message_box(command_line_message(error), startup_caption(program), MB_OK);
  return false;
}

bool setup_data_dir_given(Setup_ini_reader program, const std::wstring& setup_data_dir) {
  if (!setup_data_dir.empty()) return true;
  startup_warning(program, no_setup_data_dir_message());
  return false;
}

bool read_startup_disc(Setup_ini_reader program, const std::wstring& setup_data_dir, Csetup_ini& ini) {
  Crule_problem problem;
  if (!check_disc_layout(platform_files(), program, setup_data_dir, problem) ||
      !read_setup_ini(platform_files(), setup_data_dir, program, ini, problem)) {
    message_box(problem.message, problem.caption, MB_ICONWARNING);
    return false;
  }
  return true;
}

bool load_setup_icons(const std::wstring& setup_data_dir, const std::wstring& title, Cicon& large, Cicon& small) {
  const Icon_file_problem problem = load_icon_file(setup_data_dir + L"\\Setup.ico", large, small);
  if (problem == Icon_file_problem::none) return true;
  message_box(icon_file_message(problem), title, MB_ICONWARNING);
  return false;
}

bool find_documents_folder(const std::wstring& title, std::wstring& documents) {
  if (get_documents_folder(documents)) return true;
  message_box(L"マイドキュメントのパスが取得できませんでした。\n" + get_last_error_text(), title, MB_ICONWARNING);
  return false;
}

}  // namespace ZOR
