// Chronicle's entry and start-up: finds the engine and its log, opens the log window and
// follows the log on every pass of the main loop.
#include <windows.h>

#include "chronicle/gui_main.h"
#include "chronicle/resource.h"
#include "lib/window/application.h"

namespace {

// Start-up, the window's life and the end. Several Chronicles may run at once, so no
// single-instance guard is taken.
void chronicle_main() {
  ZOR::application.display_name = L"Chronicle";
  C_gui_main gui;
  if (!gui.locate_engine()) return;
  // The failure is recorded by create; without a window there is nothing to run.
  if (!gui.create(IDD_GUI_MAIN, L"chronicle", true, true)) return;
  ZOR::run_main_loop([&gui] { gui.poll_log(); });
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int) {
  return ZOR::run_program(instance, command_line, chronicle_main);
}
