// Starting the engine in log mode and following its log: every non-empty line of what the
// log gains becomes a row, in order, and the list shows the last one.
#include <windows.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "chronicle/gui_main.h"
#include "lib/error/error.h"
#include "lib/file/file.h"
#include "lib/text/codepage.h"

namespace {

// The first look at the log comes this long after the launch, later ones this far apart.
constexpr DWORD first_poll_delay_ms = 2000;
constexpr DWORD poll_interval_ms = 500;
// A backlog is read in steps between which the window keeps answering: each step reads as
// many bytes as the last one managed in step_target_ms (between the two limits), and the
// list is shown the rows read so far at most every show_interval_ms, and when the log has
// been read to its end.
constexpr double step_target_ms = 8.0;
constexpr std::int64_t step_min_bytes = 16 * 1024;
constexpr std::int64_t step_max_bytes = 1024 * 1024;
constexpr DWORD show_interval_ms = 100;

// Milliseconds of the performance counter.
double counter_ms() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The non-empty lines of text, split at every line feed; a carriage return before a line
// feed (or at the end, its line feed still to come) belongs to the line end. The lines
// point into text.
std::vector<std::wstring_view> log_lines(const std::wstring& text) {
  std::vector<std::wstring_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::size_t line_end = end;
    if (line_end > start && text[line_end - 1] == L'\r') --line_end;
    if (line_end > start) lines.emplace_back(text.data() + start, line_end - start);
    start = end + 1;
  }
  return lines;
}

}  // namespace

void C_gui_main::launch_engine() {
  // Always quoted: unquoted, a path with a blank (C:\Program Files\...) would let the
  // platform try the shorter paths first (C:\Program.exe).
  if (!ZOR::start_process(L"\"" + engine_path + L"\" /log", engine_process)) {
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
  if (!log_backlog_ || now - last_show_tick_ >= show_interval_ms) {
    log_list.show_rows(true);
    last_show_tick_ = now;
  }
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
  const double start_ms = counter_ms();
  ZOR::Cfile file;
  if (!file.open(log_path, L"rb")) return false;  // not written yet: nothing to read
  // A log shorter than what was read has been written anew: it is read from its start.
  if (file.size < log_position) log_position = 0;
  const std::int64_t available = file.size - log_position;
  if (available <= 0 || !ZOR::file_seek(file.handle, SEEK_SET, log_position)) return false;
  const std::int64_t step = std::min(available, step_bytes_);
  std::string bytes(static_cast<std::size_t>(step), '\0');
  const std::int64_t got = ZOR::file_read(&bytes[0], step, file.handle);
  if (got <= 0) return false;
  // A double-byte character whose trail byte is not written yet stays in the file for the
  // next read instead of becoming a wrong character now.
  const std::size_t whole = ZOR::whole_multibyte_length(bytes.data(), static_cast<std::size_t>(got));
  log_position += static_cast<std::int64_t>(whole);
  const std::wstring text = ZOR::multibyte_span_to_text(bytes.data(), whole);
  const std::vector<std::wstring_view> lines = log_lines(text);
  log_list.append_rows(lines, ZOR::Cc_listview::Row_display::deferred);
  // The next step takes as much as fits in the target time at this step's pace.
  const double took_ms = std::max(counter_ms() - start_ms, 0.1);
  const double paced = static_cast<double>(step) * step_target_ms / took_ms;
  step_bytes_ = std::clamp(static_cast<std::int64_t>(paced), step_min_bytes, step_max_bytes);
  return step < available;
}
