// Starting the engine in log mode and following its log: every non-empty line of what the
// log gains becomes a row, in order, and the list shows the last one.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chronicle/gui_main.h"
#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/text/codepage.h"

namespace {

// The first look at the log comes this long after the launch, later ones this far apart.
constexpr DWORD first_poll_delay_ms = 2000;
constexpr DWORD poll_interval_ms = 500;
// At most this much of the log is read, converted and listed in one pass of the main loop,
// so that a backlog of millions of lines is worked off in steps of a few milliseconds
// between which the window keeps answering.
constexpr std::int64_t log_step_bytes = 1 << 20;

// The non-empty lines of text, split at every line feed; a carriage return before a line
// feed (or at the end, its line feed still to come) belongs to the line end.
std::vector<std::wstring> log_lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::size_t line_end = end;
    if (line_end > start && text[line_end - 1] == L'\r') --line_end;
    if (line_end > start) lines.emplace_back(text, start, line_end - start);
    start = end + 1;
  }
  return lines;
}

}  // namespace

void C_gui_main::launch_engine() {
  if (!ZOR::start_process(engine_path + L" /log", engine_process)) {
    ZOR::message_box(L"LumoraEngine.exe が実行できませんでした。", L"Chronicle", MB_ICONWARNING);
    return;
  }
  engine_process_id = engine_process.id();
  launch_tick = GetTickCount();
  last_poll_tick = launch_tick;
  log_position = 0;
  log_list.delete_all_rows();
  save_button.set_enable(false);
  run_button.set_enable(false);
  following_ = true;
  log_backlog_ = false;
}

void C_gui_main::poll_log() {
  if (!following_) return;
  const DWORD now = GetTickCount();
  if (now - launch_tick < first_poll_delay_ms) return;
  if (!log_backlog_ && now - last_poll_tick < poll_interval_ms) return;
  last_poll_tick = now;
  log_backlog_ = read_log_step();
  if (log_list.row_count() > 0) save_button.set_enable(true);
  if (log_backlog_) return;
  if (engine_process.is_open()) {
    if (ZOR::find_process_window(engine_process_id, ZOR::Cwindow_filter::any) == nullptr) engine_ended();
    return;
  }
  // The engine had gone and its log is now read to the end.
  following_ = false;
  run_button.set_enable(true);
}

void C_gui_main::engine_ended() {
  engine_process.reset();
  engine_process_id = 0;
  // What the engine wrote between the last read and its end is read at once.
  log_backlog_ = true;
}

bool C_gui_main::read_log_step() {
  // Binary mode: log_position counts the file's own bytes, carriage returns included, so
  // that a read can stop anywhere (at the step's limit, before a cut character) and the
  // next one goes on from exactly there.
  ZOR::Cfile file;
  if (!file.open(log_path, L"rb")) return false;  // not written yet: nothing to read
  // A log shorter than what was read has been written anew: it is read from its start.
  if (file.size < log_position) log_position = 0;
  const std::int64_t available = file.size - log_position;
  if (available <= 0 || !ZOR::file_seek(file.handle, SEEK_SET, log_position)) return false;
  const std::int64_t step = std::min(available, log_step_bytes);
  std::string bytes(static_cast<std::size_t>(step), '\0');
  const std::int64_t got = ZOR::file_read(&bytes[0], step, file.handle);
  if (got <= 0) return false;
  // A double-byte character whose trail byte is not written yet stays in the file for the
  // next read instead of becoming a wrong character now.
  const std::size_t whole = ZOR::whole_multibyte_length(bytes.data(), static_cast<std::size_t>(got));
  log_position += static_cast<std::int64_t>(whole);
  const std::vector<std::wstring> lines = log_lines(ZOR::multibyte_span_to_text(bytes.data(), whole));
  if (!lines.empty()) {
    log_list.append_rows(lines);
    log_list.ensure_visible(log_list.row_count() - 1);
  }
  return step < available;
}
