// The progress dialog's status text and bars during a copy, refreshed at a bounded rate.
#ifndef SETUP_COPY_PROGRESS_H
#define SETUP_COPY_PROGRESS_H

#include <windows.h>

#include <cstdint>
#include <string>

#include "lib/controls/progress.h"
#include "lib/controls/static.h"

// Keeps what the status text and the two bars should show and sends it to the controls at
// most about 30 times a second. A progress bar repaints at once when its position changes,
// and repainting after every 10 KB chunk would cost more than the copy itself; no eye sees
// more than 30 changes a second, and positions that did not change are never sent.
class Ccopy_progress {
 public:
  // Binds the display to the controls of a new run (not owned) and shows the overall range
  // at once, with both bars at 0.
  void start(ZOR::Cc_static& status, ZOR::Cc_progress& total_bar, ZOR::Cc_progress& file_bar,
             std::int64_t total_range);
  // The file now being copied.
  void set_status(const std::wstring& text);
  // A new file: the current-file bar gets this range and goes back to 0.
  void start_file(std::int64_t file_range);
  // Positions after a chunk, in chunks.
  void advance(std::int64_t total_position, std::int64_t file_position);
  // Sends whatever changed since the last refresh, due or not.
  void flush();

 private:
  static constexpr ULONGLONG refresh_interval_ms = 33;

  void flush_if_due();

  ZOR::Cc_static* status_ = nullptr;
  ZOR::Cc_progress* total_bar_ = nullptr;
  ZOR::Cc_progress* file_bar_ = nullptr;
  // Wanted state and the state last sent.
  std::wstring status_text_, shown_status_text_;
  int total_position_ = 0, shown_total_position_ = 0;
  int file_range_ = 0, shown_file_range_ = -1;
  int file_position_ = 0, shown_file_position_ = 0;
  ULONGLONG last_refresh_ = 0;
};

#endif
