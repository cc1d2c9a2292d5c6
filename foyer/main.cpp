// Foyer's entry and start-up: checks the disc, reads Setup.ini, loads the icons and the
// title picture, then runs the menu until it is closed.
#include <windows.h>

#include "foyer/menu_dialog.h"
#include "foyer/menu_environment.h"
#include "foyer/resource.h"
#include "foyer/title_picture.h"
#include "lib/rules/startup_rules.h"
#include "lib/startup/startup_steps.h"
#include "lib/window/application.h"
#include "lib/window/icon_file.h"
#include "lib/window/single_instance.h"

namespace {

const ZOR::Setup_ini_reader program = ZOR::Setup_ini_reader::foyer;
const wchar_t engine_window_class[] = L"lumora_engine_main_window_";

// True when the game's engine window is open: the menu is not shown beside the game.
bool game_running() {
  return FindWindowW((engine_window_class + menu_environment.reg_path).c_str(), nullptr) != nullptr;
}

// Start-up from the command line to the menu's creation. False when start-up ended (with
// its message, or silently while the game runs) or the menu could not be created.
bool prepare(ZOR::Cicon& icon_large, ZOR::Cicon& icon_small) {
  Cmenu_environment& env = menu_environment;
  if (!ZOR::read_startup_options(program, {{L"dir", &env.setup_data_dir}, {L"return", &env.return_path}}) ||
      !ZOR::setup_data_dir_given(program, env.setup_data_dir)) {
    return false;
  }
  env.return_use = !env.return_path.empty();
  env.game_data_dir = env.setup_data_dir + L"\\GameData";
  if (!ZOR::read_startup_disc(program, env.setup_data_dir, env) || game_running()) return false;

  if (!ZOR::load_setup_icons(env.setup_data_dir, env.game_title, icon_large, icon_small)) return false;
  env.setup_icon_large = icon_large.handle();
  env.setup_icon_small = icon_small.handle();
  if (!load_title_bitmap(env.setup_data_dir + L"\\Setup.bmp")) {
    menu_warning(ZOR::title_bitmap_load_message());
    return false;
  }
  env.reg_key_path = ZOR::game_key_path(env.reg_path);
  if (!ZOR::find_documents_folder(env.game_title, env.documents_dir)) return false;
  env.save_dir = env.documents_dir + L"\\" + env.reg_path;
  return menu_dialog.create(IDD_MENU, L"lumora_foyer");
}

// Foyer's start-up, the menu's life and the clean-up; every failure shows its message and returns.
void menu_main() {
  const ZOR::Csingle_instance instance(L"LumoraFoyer");
  if (!instance.may_run(ZOR::startup_caption(program))) return;

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
