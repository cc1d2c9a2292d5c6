// Setup's entry and start-up: checks the disc, reads Setup.ini, opens the dialog of the mode.
#include <windows.h>

#include "lib/file/file.h"
#include "lib/file/program_files.h"
#include "lib/registry/registry_key.h"
#include "lib/rules/startup_rules.h"
#include "lib/setting/setup_ini.h"
#include "lib/startup/startup_steps.h"
#include "lib/window/application.h"
#include "lib/window/icon_file.h"
#include "lib/window/single_instance.h"
#include "setup/install_target.h"
#include "setup/resource.h"
#include "setup/setup_environment.h"
#include "setup/setup_windows.h"

Csetup_windows setup_windows;

namespace {

const ZOR::Setup_ini_reader program = ZOR::Setup_ini_reader::setup;

// The installation that uninstall mode removes: setup_dir as the earlier install recorded it.
// Only a drive path counts: an empty or relative value would make the removal work below
// the program's own folder.
bool read_installation() {
  Csetup_environment& env = setup_environment;
  std::wstring setup_dir;
  if (!ZOR::query_string_value(HKEY_LOCAL_MACHINE, env.reg_key_path, L"setup_dir", setup_dir) ||
      !ZOR::is_drive_path(setup_dir)) {
    warn(L"セットアップ情報が見つかりませんでした。");
    return false;
  }
  env.target_base_dir = setup_dir;
  env.install_dir = join_path(env.target_base_dir, env.reg_path);
  return true;
}

// Opens the dialog of the mode; false for a mode that has none.
bool open_mode_dialog() {
  const Csetup_environment& env = setup_environment;
  if (env.mode == L"setup") {
    int template_id = env.min_setup_use ? IDD_SETUP : IDD_SETUP_FULL_ONLY;
    return setup_windows.setup.create(template_id, L"lumora_setup");
  }
  if (env.mode == L"uninstall") return setup_windows.uninstall.create(IDD_UNINSTALL, L"lumora_uninstall");
  return false;
}

// Start-up up to the mode's dialog, with the waiting window on screen from the disc checks
// on. False when start-up ended with a message or the dialog could not be created.
bool prepare(ZOR::Cicon& icon_large, ZOR::Cicon& icon_small) {
  Csetup_environment& env = setup_environment;
  if (!ZOR::setup_data_dir_given(program, env.setup_data_dir)) return false;
  // An unknown mode would open no window and leave nothing to end the program.
  if (env.mode != L"setup" && env.mode != L"uninstall") {
    ZOR::startup_warning(program, L"プログラムの起動モードが指定されていません。");
    return false;
  }
  C_setup_ready_dialog& waiting = setup_windows.ready;
  waiting.open(L"セットアッププログラムを準備しています…。");
  env.game_data_dir = env.setup_data_dir + L"\\GameData";
  if (!ZOR::read_startup_disc(program, env.setup_data_dir, env)) return false;
  if (env.mode == L"setup" && env.disc_count == 1 && !measure_install_sizes()) return false;

  if (!ZOR::load_setup_icons(env.setup_data_dir, env.game_title, icon_large, icon_small)) return false;
  env.icon_large = icon_large.handle();
  env.icon_small = icon_small.handle();

  env.reg_key_path = ZOR::game_key_path(env.reg_path);
  env.target_base_dir = ZOR::program_files_folder();
  env.install_dir = join_path(env.target_base_dir, env.reg_path);
  if (env.mode == L"uninstall" && !read_installation()) return false;
  env.setup_method = L"full";
  std::wstring documents;
  if (!ZOR::find_documents_folder(env.game_title, documents)) return false;
  waiting.destroy();
  return open_mode_dialog();
}

// Setup's start-up, its dialogs' life and its end; every failure shows its message and returns.
void setup_main() {
  const ZOR::Csingle_instance instance(L"LumoraSetup");
  if (!instance.may_run(ZOR::startup_caption(program))) return;

  Csetup_environment& env = setup_environment;
  env.disc_count = 1;
  env.min_setup_use = true;
  env.setup_size = 0;
  env.min_setup_size = 0;
  if (!ZOR::read_startup_options(program, {{L"mode", &env.mode}, {L"dir", &env.setup_data_dir}})) return;

  // Destroyed when setup_main returns, small icon first, after every window that used them.
  ZOR::Cicon icon_large;
  ZOR::Cicon icon_small;
  bool opened = prepare(icon_large, icon_small);
  if (opened) ZOR::run_main_loop();
  setup_windows.ready.destroy();
  icon_small.reset();
  icon_large.reset();
  env.icon_small = nullptr;
  env.icon_large = nullptr;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int) {
  return ZOR::run_program(instance, command_line, setup_main);
}
