// Config's entry and start-up: one instance, the save folder, system.ini, then the dialog
// until it closes.
#include <windows.h>

#include "config/config_dialog.h"
#include "config/config_environment.h"
#include "config/resource.h"
#include "config/save_location.h"
#include "config/system_ini.h"
#include "lib/error/error.h"
#include "lib/window/application.h"
#include "lib/window/single_instance.h"

namespace {

// Config's start-up, its dialog's life and its end; every failure shows its message (a
// second Config none) and returns.
void config_main() {
  const ZOR::Csingle_instance instance(L"LumoraConfig");
  if (!instance.may_run(config_caption)) return;

  Cconfig_environment& env = config_environment;
  if (!locate_save_folder() || !load_settings(env.settings_file, env.loaded)) return;

  C_config_dialog dialog;
  if (!dialog.create(IDD_CONFIG, L"lumora_config")) {
    warn(L"ダイアログの作成に失敗しました。\n" + ZOR::get_last_error_text());
    return;
  }
  dialog.set_icon(IDI_CONFIG);
  dialog.set_show(true);
  ZOR::run_main_loop([&dialog] { dialog.update_help_text(); });
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int) {
  return ZOR::run_program(instance, command_line, config_main);
}
