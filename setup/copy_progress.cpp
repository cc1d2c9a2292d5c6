// Paced refresh of the copy's status text and progress bars.
#include "setup/copy_progress.h"

void Ccopy_progress::start(ZOR::Cc_static& status, ZOR::Cc_progress& total_bar, ZOR::Cc_progress& file_bar,
                           std::int64_t total_range) {
  status_ = &status;
  total_bar_ = &total_bar;
  file_bar_ = &file_bar;
  status_text_ = shown_status_text_ = status.get_text();
  total_position_ = shown_total_position_ = 0;
  file_range_ = 0;
  shown_file_range_ = -1;
  file_position_ = shown_file_position_ = 0;
  total_bar.set_range(static_cast<int>(total_range));
  total_bar.set_pos(0);
  file_bar.set_pos(0);
  last_refresh_ = 0;
}

void Ccopy_progress::set_status(const std::wstring& text) {
  status_text_ = text;
  flush_if_due();
}

void Ccopy_progress::start_file(std::int64_t file_range) {
  file_range_ = static_cast<int>(file_range);
  file_position_ = 0;
  flush_if_due();
}

void Ccopy_progress::advance(std::int64_t total_position, std::int64_t file_position) {
  total_position_ = static_cast<int>(total_position);
  file_position_ = static_cast<int>(file_position);
  flush_if_due();
}

void Ccopy_progress::flush_if_due() {
  if (GetTickCount64() - last_refresh_ >= refresh_interval_ms) flush();
}

void Ccopy_progress::flush() {
  if (status_ == nullptr) return;
  last_refresh_ = GetTickCount64();
  if (status_text_ != shown_status_text_) {
    status_->set_text_lines(status_text_);
    shown_status_text_ = status_text_;
  }
  if (file_range_ != shown_file_range_) {
    file_bar_->set_range(file_range_);
    shown_file_range_ = file_range_;
    shown_file_position_ = -1;
  }
  if (file_position_ != shown_file_position_) {
    file_bar_->set_pos(file_position_);
    shown_file_position_ = file_position_;
  }
  if (total_position_ != shown_total_position_) {
    total_bar_->set_pos(total_position_);
    shown_total_position_ = total_position_;
  }
}
