// Chronicle's window: the log list, "実行" and "ログを保存する", and the engine it follows.
#ifndef CHRONICLE_GUI_MAIN_H
#define CHRONICLE_GUI_MAIN_H

#include <windows.h>

#include <cstdint>
#include <string>

#include "chronicle/lst_log.h"
#include "lib/controls/button.h"
#include "lib/launch/process.h"
#include "lib/window/dialog.h"

class C_gui_main : public ZOR::C_handler_dialog {
 public:
  // WM_NOTIFY: the owner-data list asks for the texts it paints.
  LRESULT window_proc(UINT message, WPARAM wparam, LPARAM lparam) override;

  // Finds the engine and its log (log_source.cpp): sets engine_path and log_path, or shows
  // the reason (caption "Chronicle") and returns false.
  bool locate_engine();
  // "実行": starts the engine with " /log", empties the list and follows the log from its
  // start; shows "LumoraEngine.exe が実行できませんでした。" when it cannot be started.
  void launch_engine();
  // The main loop's work on every pass: reads what the log gained and watches the engine.
  void poll_log();
  // "ログを保存する": the rows as a text file the user names (log_export.cpp).
  void save_log_as_text();

  Cc_lst_log log_list;
  ZOR::Cc_button save_button;
  ZOR::Cc_button run_button;

  std::wstring engine_path;
  std::wstring log_path;
  // Held while Chronicle follows a running engine; released when it has ended.
  ZOR::Cprocess engine_process;
  DWORD engine_process_id = 0;
  DWORD launch_tick = 0;
  DWORD last_poll_tick = 0;
  std::int64_t log_position = 0;

 protected:
  bool on_init() override;
  void on_command(int id) override;

 private:
  // Reads one step of the log from log_position (at most step_bytes_) into the list's
  // store (shown by poll_log). True when the file held more than the step took.
  bool read_log_step();
  // The engine has gone: the process is let go; the rest of the log is still read.
  void engine_ended();

  // True from a launch until the ended engine's log has been read to its end.
  bool following_ = false;
  // The last step stopped at its limit: the next pass reads on without waiting.
  bool log_backlog_ = false;
  // How much the next step reads; adapted to the pace of the last one.
  std::int64_t step_bytes_ = 64 * 1024;
  // GetTickCount when the list was last shown the rows read.
  DWORD last_show_tick_ = 0;
};

#endif
