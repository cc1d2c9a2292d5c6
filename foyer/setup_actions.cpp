// Set-up, repair and uninstall through the Setup beside Foyer, and the after-dialogs'
// choices carried out.
#include "foyer/after_dialogs.h"
#include "foyer/menu_actions.h"
#include "foyer/menu_dialog.h"
#include "foyer/menu_environment.h"
#include "foyer/menu_ready_dialog.h"
#include "lib/cmdline/command_line.h"
#include "lib/launch/foreground.h"
#include "lib/launch/process.h"
#include "lib/window/application.h"

namespace {

const wchar_t setup_mode_parameters[] = L"/mode=\"setup\" /dir=\"";
const wchar_t uninstall_mode_parameters[] = L"/mode=\"uninstall\" /dir=\"";

// Starts the Setup beside this Foyer (in the temporary folder when Autorun started it) with
// fixed_parameters and the setup data folder, hides the menu and waits until Setup has
// ended. The waiting window is owned by wait_owner. False when the shell started nothing
// (it has shown its own message then).
bool run_setup_program(const wchar_t* fixed_parameters, HWND wait_owner) {
  HWND menu = ZOR::application.main_window;
  menu_ready_dialog.show(wait_owner, L"セットアッププログラムを呼び出しています…。");
  SetActiveWindow(menu);
  const std::wstring program = ZOR::application.program_folder + L"\\" + L"Setup.exe";
  const std::wstring parameters =
      fixed_parameters + ZOR::escape_argument_value(menu_environment.setup_data_dir) + L"\"";
  ZOR::Cprocess setup;
  if (!ZOR::shell_execute(menu, program, parameters, &setup, ZOR::Cshell_failure::shell_reports)) {
    menu_ready_dialog.destroy();
    return false;
  }
  ZOR::pump_messages();
  menu_ready_dialog.destroy();
  menu_dialog.set_show(false);
  // The menu is hidden; the wait keeps its windows answering the system meanwhile.
  if (setup.is_open()) ZOR::wait_process(setup);
  return true;
}

// The menu after Setup: laid out for the installed state as it is now, shown, in front.
void show_menu_again() {
  menu_dialog.layout_menu();
  menu_dialog.set_show(true);
  ZOR::bring_to_front(menu_dialog.hwnd);
}

void all_done() { menu_box(L"全ての処理が完了しました。", MB_ICONINFORMATION); }

}  // namespace

void run_setup() {
  if (!run_setup_program(setup_mode_parameters, nullptr)) return;
  std::wstring exe_dir;
  // Setup ends with 0 whatever happened: only the registry tells that the game is installed.
  if (read_exe_dir(exe_dir)) {
    C_setup_after_dialog dialog;
    if (dialog.run() == 1 && dialog.create_shortcut_choice) create_shortcut_after_setup();
    all_done();
  }
  show_menu_again();
}

void run_uninstall() {
  if (!run_setup_program(uninstall_mode_parameters, ZOR::application.main_window)) return;
  std::wstring exe_dir;
  if (!read_exe_dir(exe_dir)) {
    C_uninstall_after_dialog dialog;
    if (dialog.run() == 1) {
      if (dialog.delete_shortcut_choice) delete_desktop_shortcut();
      if (dialog.delete_save_data_choice) delete_save_data();
    }
    all_done();
  }
  show_menu_again();
}
