// The progress line of a build on a terminal.
#include "disc/progress.h"

#include <unistd.h>

#include <cstdio>

#include "disc/report.h"

namespace disc {
namespace {

const std::uint64_t mebibyte = 1024 * 1024;

}  // namespace

Cprogress_line::Cprogress_line(int number, int count)
    : on_terminal_(isatty(STDOUT_FILENO) == 1),
      disc_("disc " + std::to_string(number) + (count > 1 ? " of " + std::to_string(count) : std::string())),
      start_(std::chrono::steady_clock::now()),
      shown_(start_) {}

Cprogress_line::~Cprogress_line() {
  if (!on_terminal_ || width_ == 0) return;
  std::printf("\r%*s\r", static_cast<int>(width_), "");
  std::fflush(stdout);
}

void Cprogress_line::show(std::uint64_t done, std::uint64_t total, const char* what) {
  if (!on_terminal_) return;
  const auto now = std::chrono::steady_clock::now();
  if (what_ != what) {
    what_ = what;
    start_ = now;
  } else if (done < total && now - shown_ < std::chrono::milliseconds(200)) {
    return;
  }
  shown_ = now;
  const double seconds = std::chrono::duration<double>(now - start_).count();
  char rate[32] = "";
  if (seconds > 0) {
    std::snprintf(rate, sizeof rate, ", %.1f MiB/s", static_cast<double>(done) / static_cast<double>(mebibyte) / seconds);
  }
  const std::string line =
      disc_ + ": " + grouped(done / mebibyte) + " of " + grouped(total / mebibyte) + " MiB " + what_ + rate;
  // Spaces cover what a longer earlier line left.
  const int pad = width_ > line.size() ? static_cast<int>(width_ - line.size()) : 0;
  std::printf("\r%s%*s", line.c_str(), pad, "");
  std::fflush(stdout);
  width_ = line.size() > width_ ? line.size() : width_;
}

}  // namespace disc
