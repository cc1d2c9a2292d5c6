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
#include "lib/rules/game_location.h"

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

}  // namespace

void C_gui_main::launch_engine() {
  // Always quoted: unquoted, a path with a blank (C:\Program Files\...) would let the
  // platform try the shorter paths first (C:\Program.exe).
  if (!ZOR::start_process(L"\"" + engine_path + L"\" /log", engine_process)) {
    chronicle_warning(ZOR::engine_file_name() + L" が実行できませんでした。");
    return;
  }
  engine_process_id = engine_process.id();
  launch_tick = GetTickCount();
  last_poll_tick = launch_tick;
  log_position = 0;
  log_splitter_.reset();
  polling_ = false;
  log_list.delete_all_rows();
  save_button.set_enable(false);
  run_button.set_enable(false);
  following_ = true;
  log_backlog_ = false;
  show_stage_ = Show_stage::none;
}

void C_gui_main::poll_log() {
  if (!following_) return;
  // Showing what a step read takes passes of its own: the count in one, the scroll to the
  // last row (which repaints the list at once) in the next, so that the window answers
  // between the step, the count and the scroll instead of after all three.
  if (show_stage_ == Show_stage::count) {
    show_stage_ = log_list.show_rows() ? Show_stage::scroll : Show_stage::none;
    // The button comes with the rows: enabled by the pass that shows the first one.
    if (log_list.row_count() > 0) save_button.set_enable(true);
    if (show_stage_ == Show_stage::none) end_pass();
    return;
  }
  if (show_stage_ == Show_stage::scroll) {
    log_list.ensure_visible(log_list.row_count() - 1);
    show_stage_ = Show_stage::none;
    end_pass();
    return;
  }
  const DWORD now = GetTickCount();
  if (now - launch_tick < first_poll_delay_ms) return;
  if (!log_backlog_ && now - last_poll_tick < poll_interval_ms) return;
  last_poll_tick = now;
  log_backlog_ = read_log_step();
  if (!log_backlog_ || now - last_show_tick_ >= show_interval_ms) {
    last_show_tick_ = now;
    show_stage_ = Show_stage::count;
    return;
  }
  end_pass();
}

void C_gui_main::end_pass() {
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
  // that a step can stop anywhere and the next one goes on from exactly there; the splitter
  // carries a line cut by a step's end into the next step.
  const double start_ms = counter_ms();
  ZOR::Cfile file;
  if (!file.open(log_path, L"rb")) {  // not written yet: nothing to read
    end_poll();
    return false;
  }
  // A log shorter than what was read has been written anew: it is read from its start.
  if (file.size < log_position) {
    log_position = 0;
    log_splitter_.reset();
    polling_ = false;
  }
  if (!polling_) {
    poll_end_ = file.size;
    polling_ = true;
  }
  const std::int64_t available = poll_end_ - log_position;
  if (available <= 0 || !ZOR::file_seek(file.handle, SEEK_SET, log_position)) {
    end_poll();
    return false;
  }
  const std::int64_t step = std::min(available, step_bytes_);
  std::string bytes(static_cast<std::size_t>(step), '\0');
  const std::int64_t got = ZOR::file_read(&bytes[0], step, file.handle);
  if (got <= 0) {
    end_poll();
    return false;
  }
  log_position += got;
  ZOR::Clog_rows rows;
  log_splitter_.add(std::string_view(bytes.data(), static_cast<std::size_t>(got)), rows);
  append_log_rows(rows);
  // The next step takes as much as fits in the target time at this step's pace.
  const double took_ms = std::max(counter_ms() - start_ms, 0.1);
  const double paced = static_cast<double>(step) * step_target_ms / took_ms;
  step_bytes_ = std::clamp(static_cast<std::int64_t>(paced), step_min_bytes, step_max_bytes);
  if (log_position < poll_end_) return true;
  end_poll();
  return false;
}

void C_gui_main::end_poll() {
  if (!polling_) return;
  polling_ = false;
  ZOR::Clog_rows rows;
  log_splitter_.end_poll(rows);
  append_log_rows(rows);
}

void C_gui_main::append_log_rows(const ZOR::Clog_rows& rows) {
  if (rows.size() == 0) return;
  // One buffer for all the rows' texts: no byte of an ANSI code page gives more than one
  // UTF-16 unit.
  std::wstring text(rows.bytes.size(), L'\0');
  std::vector<std::wstring_view> lines;
  lines.reserve(rows.size());
  std::size_t used = 0;
  for (std::size_t index = 0; index < rows.size(); ++index) {
    const std::string_view row = rows.row(index);
    const int written = MultiByteToWideChar(CP_ACP, 0, row.data(), static_cast<int>(row.size()), &text[used],
                                            static_cast<int>(text.size() - used));
    if (written <= 0) continue;
    lines.emplace_back(text.data() + used, static_cast<std::size_t>(written));
    used += static_cast<std::size_t>(written);
  }
  log_list.append_rows(lines, ZOR::Cc_listview::Row_display::deferred);
}
