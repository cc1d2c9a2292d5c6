// The menu's actions that start a program or open a document: DirectX, the game, the
// support tools, the manual, the extra button and the /return program.
#include "foyer/menu_actions.h"

#include "foyer/menu_dialog.h"
#include "foyer/menu_environment.h"
#include "foyer/menu_ready_dialog.h"
#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/launch/process.h"
#include "lib/launch/shell.h"
#include "lib/registry/registry_key.h"
#include "lib/rules/game_location.h"
#include "lib/text/text.h"
#include "lib/window/application.h"

namespace {

const wchar_t calling_setup[] = L"セットアッププログラムを呼び出しています…。";
const wchar_t reinstall_hint[] = L"ゲームを再セットアップするとこの問題は解決する場合があります。";

HWND menu_window() { return ZOR::application.main_window; }

}  // namespace

bool read_exe_dir(std::wstring& exe_dir) {
  return ZOR::query_string_value(HKEY_LOCAL_MACHINE, menu_environment.reg_key_path, L"exe_dir", exe_dir);
}

bool read_engine_program(std::wstring& engine) {
  std::wstring exe_dir;
  if (!read_exe_dir(exe_dir)) {
    menu_warning(std::wstring(L"レジストリが取得できませんでした。\n\nレジストリが壊れている可能性があります。\n") +
                 reinstall_hint);
    return false;
  }
  engine = exe_dir + L"\\" + ZOR::engine_file_name();
  if (ZOR::path_kind(engine) != 1) {
    menu_warning(ZOR::engine_file_name() + L" が見つかりませんでした。\n\nレジストリが壊れている可能性があります。\n" +
                 reinstall_hint);
    return false;
  }
  return true;
}

void run_direct_x_setup() {
  const std::wstring program = menu_environment.setup_data_dir + L"\\DirectX\\DXSETUP.exe";
  if (ZOR::path_kind(program) != 1) {
    menu_warning(L"DXSETUP.exe が見つかりませんでした。");
    return;
  }
  const int answer = menu_box(
      L"DirectX 9.0 のセットアップを行います。\n\n既にバージョン 9.0 以上の DirectX "
      L"がセットアップされている場合は、セットアップする必要はありません。\n\nセットアップしてもバージョンが下がることは"
      L"ありません。\n\nセットアップには数分かかることがあります。\n\nセットアップ後、パソコンの再起動を求められることが"
      L"あります。",
      MB_OKCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON2);
  if (answer != IDOK) return;
  menu_ready_dialog.show(menu_window(), calling_setup);
  SetActiveWindow(menu_window());
  // The installer runs on its own; the menu neither waits nor looks at the outcome.
  ZOR::shell_execute(menu_window(), program, L"", nullptr, ZOR::Cshell_failure::shell_reports);
  menu_ready_dialog.destroy();
}

bool start_game(bool full_screen) {
  std::wstring engine;
  if (!read_engine_program(engine)) return false;
  ZOR::Cprocess game;
  if (ZOR::shell_execute(menu_window(), engine, full_screen ? L"/fullscreen" : L"/window", &game,
                         ZOR::Cshell_failure::caller_reports) &&
      game.is_open()) {
    return true;
  }
  menu_warning(ZOR::engine_file_name() + L" が実行できませんでした。\n\nファイルが壊れている可能性があります。\n" +
               reinstall_hint);
  return false;
}

void run_support_tool(const std::wstring& name) {
  const std::wstring program = menu_environment.setup_data_dir + L"\\" + name;
  if (ZOR::path_kind(program) != 1) {
    menu_warning(name + L" が見つかりませんでした。ディスクが破損している可能性があります。");
    return;
  }
  ZOR::Cprocess tool;
  if (!ZOR::shell_execute(menu_window(), program, L"", &tool, ZOR::Cshell_failure::caller_reports) ||
      !tool.is_open()) {
    menu_warning(name + L" が実行できませんでした。ディスクが破損している可能性があります。");
  }
}

void open_manual() {
  // A manual that does not open says nothing; the error stays recorded.
  ZOR::open_with_associated_program(menu_environment.manual_path);
}

void run_extra_button() {
  const Cmenu_environment& env = menu_environment;
  if (env.ex_button_path.empty()) return;
  const std::wstring extension = ZOR::lower_copy(ZOR::extension_of(env.ex_button_path));
  const std::wstring failed = env.ex_button_name + L"が開けませんでした。\n";
  if (extension == L"html" || extension == L"htm") {
    if (!ZOR::open_with_associated_program(env.ex_button_path)) menu_warning(failed + ZOR::get_last_error_text());
    return;
  }
  menu_ready_dialog.show(menu_window(), L"呼び出しています…。");
  SetActiveWindow(menu_window());
  const bool started = ZOR::shell_open(env.ex_button_path);
  const DWORD error = started ? ERROR_SUCCESS : GetLastError();
  // A start the user cancelled (an elevation prompt answered with No) is no failure.
  if (!started && error != ERROR_CANCELLED) menu_warning(failed + ZOR::get_last_error_text());
  ZOR::pump_messages();
  menu_ready_dialog.destroy();
  if (started && env.ex_button_close) menu_dialog.close();
}

bool run_return_program() {
  const std::wstring& program = menu_environment.return_path;
  if (ZOR::path_kind(program) != 1) return false;
  ZOR::Cprocess started;
  // The menu has no message of its own here, so the shell's box is the one the user sees.
  return ZOR::shell_execute(menu_window(), program, L"", &started, ZOR::Cshell_failure::shell_reports);
}
