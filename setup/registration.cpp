// reg.ini and the registry values that tell the other programs where the game is.
#include "setup/registration.h"

#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/registry/registry_key.h"
#include "lib/text/text.h"
#include "lib/window/application.h"
#include "setup/setup_environment.h"
#include "setup/setup_windows.h"

std::wstring reg_ini_text(const std::wstring& reg_path) {
  return L"#REGNAME = \"" + ZOR::replace_all_copy(reg_path, L"\\", L"\\\\") + L"\"";
}

void write_reg_ini() {
  Csetup_environment& env = setup_environment;
  ZOR::Cfile file;
  // A write or close that fails (a full disk) leaves a reg.ini that is not whole: it counts
  // as not created.
  if (!file.open(env.install_dir + L"\\reg.ini", L"wb") || !file.write_text(reg_ini_text(env.reg_path)) ||
      !file.close()) {
    warn(L"reg.ini が作成できませんでした。セットアップを中止します。");
    env.abort_requested = true;
  }
}

void write_registry() {
  Csetup_environment& env = setup_environment;
  setup_windows.progress.status.set_text_lines(L"レジストリを登録中…");
  ZOR::pump_messages();
  const std::wstring data_dir = env.setup_method == L"min" ? env.game_data_dir : env.install_dir;
  const std::pair<const wchar_t*, const std::wstring*> values[] = {
      {L"setup_dir", &env.target_base_dir},
      {L"exe_dir", &env.install_dir},
      {L"dat_dir", &data_dir},
      {L"dat_setup", &env.setup_method},
  };
  for (const auto& value : values) {
    if (!ZOR::set_string_value(HKEY_LOCAL_MACHINE, env.reg_key_path, value.first, *value.second)) {
      warn(L"レジストリキーが設定できませんでした。\n" + ZOR::get_last_error_text() + L"\n\n" + admin_hint);
      env.abort_requested = true;
      return;
    }
  }
}
