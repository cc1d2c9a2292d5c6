// Chronicle's window: the log list, "実行" and "ログを保存する", and the engine it follows.
#ifndef CHRONICLE_GUI_MAIN_H
#define CHRONICLE_GUI_MAIN_H

#include <windows.h>

#include <cstdint>
#include <string>

#include "chronicle/lst_log.h"
#include "lib/controls/button.h"
#include "lib/launch/process.h"
#include "lib/log/log_splitter.h"
#include "lib/text/codepage.h"
#include "lib/window/dialog.h"

// Chronicle's warning box: text with the caption "Chronicle" (log_source.cpp).
void chronicle_warning(const std::wstring& text);

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
  // Reads one step of the current poll from log_position (at most step_bytes_) into the
  // list's store (shown by poll_log); a step that starts a poll fixes how far it reads (the
  // log's size then). True while the poll has more to read.
  bool read_log_step();
  // The poll has read all it will: the unfinished line so far becomes a row.
  void end_poll();
  // Appends rows to the list's store, each converted from the ANSI code page.
  void append_log_rows(const ZOR::Clog_rows& rows);
  // The engine has gone: the process is let go; the rest of the log is still read.
  void engine_ended();
  // The end of a pass that read or showed rows: when the poll has been read to its end, the
  // look for the engine's window, and the end of the following once the engine has gone
  // and its log is read.
  void end_pass();

  // True from a launch until the ended engine's log has been read to its end.
  bool following_ = false;
  // The last step stopped at its limit: the next pass reads on without waiting.
  bool log_backlog_ = false;
  // Cuts what the polls read into rows, carrying an unfinished line from step to step.
  ZOR::Clog_splitter log_splitter_{ZOR::is_ansi_lead_byte};
  // Where the log ended when the current poll began: the poll reads up to there.
  std::int64_t poll_end_ = 0;
  // A poll is being read (in one step or several).
  bool polling_ = false;
  // How much the next step reads; adapted to the pace of the last one.
  std::int64_t step_bytes_ = 64 * 1024;
  // GetTickCount when the list was last shown the rows read.
  DWORD last_show_tick_ = 0;
  // What the next pass does to show the rows read: tell the list their count, scroll to the
  // last one, or nothing (it reads).
  enum class Show_stage { none, count, scroll };
  Show_stage show_stage_ = Show_stage::none;
};

#endif
