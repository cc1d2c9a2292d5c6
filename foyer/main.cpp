// Foyer's entry and start-up: checks the disc, reads Setup.ini, loads the icons and the
// title picture, then runs the menu until it is closed.
#include <windows.h>

#include "foyer/menu_dialog.h"
#include "foyer/menu_environment.h"
#include "foyer/resource.h"
#include "foyer/title_picture.h"
#include "lib/cmdline/command_line.h"
#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/rules/platform_files.h"
#include "lib/rules/startup_rules.h"
#include "lib/window/application.h"
#include "lib/window/icon_file.h"
#include "lib/window/single_instance.h"

namespace {

const wchar_t program_caption[] = L"Foyer.exe";
const wchar_t engine_window_class[] = L"lumora_engine_main_window_";

// A start-up failure before the game title is known: caption "Foyer.exe", warning icon.
void startup_warning(const std::wstring& text) { ZOR::message_box(text, program_caption, MB_ICONWARNING); }

// Takes /dir and /return from the command line: only the first value of an option counts,
// an option without value is ignored, a later option wins. False after the parser's message.
bool read_command_line() {
  std::wstring error;
  if (ZOR::read_options(ZOR::application.command_line, {{L"dir", &menu_environment.setup_data_dir},
                                                         {L"return", &menu_environment.return_path}},
                        error)) {
    return true;
  }
  ZOR::message_box(ZOR::command_line_message(error), program_caption, MB_OK);
  return false;
}

// The disc layout as the rules give it for Foyer. False after the first failed check's message.
bool check_disc_layout() {
  ZOR::Crule_problem problem;
  if (ZOR::check_disc_layout(ZOR::platform_files(), ZOR::Setup_ini_reader::foyer, menu_environment.setup_data_dir,
                             problem)) {
    return true;
  }
  startup_warning(problem.message);
  return false;
}

// Setup.ini with its content checks and the disc's menu targets. False after the message.
bool read_setup_ini() {
  ZOR::Crule_problem problem;
  if (ZOR::read_setup_ini(ZOR::platform_files(), menu_environment.setup_data_dir, ZOR::Setup_ini_reader::foyer,
                          menu_environment, problem)) {
    return true;
  }
  ZOR::message_box(problem.message, problem.caption, MB_ICONWARNING);
  return false;
}

// True when the game's engine window is open: the menu is not shown beside the game.
bool game_running() {
  return FindWindowW((engine_window_class + menu_environment.reg_path).c_str(), nullptr) != nullptr;
}

// Start-up from the command line to the menu's creation. False when start-up ended (with
// its message, or silently while the game runs) or the menu could not be created.
bool prepare(ZOR::Cicon& icon_large, ZOR::Cicon& icon_small) {
  Cmenu_environment& env = menu_environment;
  if (!read_command_line()) return false;
  if (env.setup_data_dir.empty()) {
    startup_warning(ZOR::no_setup_data_dir_message());
    return false;
  }
  env.return_use = !env.return_path.empty();
  env.game_data_dir = env.setup_data_dir + L"\\GameData";
  if (!check_disc_layout() || !read_setup_ini() || game_running()) return false;

  ZOR::Icon_file_problem icon_problem =
      ZOR::load_icon_file(env.setup_data_dir + L"\\Setup.ico", icon_large, icon_small);
  if (icon_problem != ZOR::Icon_file_problem::none) {
    menu_warning(ZOR::icon_file_message(icon_problem));
    return false;
  }
  env.setup_icon_large = icon_large.handle();
  env.setup_icon_small = icon_small.handle();
  if (!load_title_bitmap(env.setup_data_dir + L"\\Setup.bmp")) {
    menu_warning(ZOR::title_bitmap_load_message());
    return false;
  }
  env.reg_key_path = ZOR::game_key_path(env.reg_path);
  if (!ZOR::get_documents_folder(env.documents_dir)) {
    menu_warning(L"マイドキュメントのパスが取得できませんでした。\n" + ZOR::get_last_error_text());
    return false;
  }
  env.save_dir = env.documents_dir + L"\\" + env.reg_path;
  return menu_dialog.create(IDD_MENU, L"lumora_foyer");
}

// Foyer's start-up, the menu's life and the clean-up; every failure shows its message and returns.
void menu_main() {
  const ZOR::Csingle_instance instance(L"LumoraFoyer");
  if (!instance.may_run(program_caption)) return;

  // Destroyed when menu_main returns, small icon first, after the menu that used them.
  ZOR::Cicon icon_large;
  ZOR::Cicon icon_small;
  if (prepare(icon_large, icon_small)) ZOR::run_main_loop();
  icon_small.reset();
  icon_large.reset();
  menu_environment.setup_icon_small = nullptr;
  menu_environment.setup_icon_large = nullptr;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int) {
  return ZOR::run_program(instance, command_line, menu_main);
}
