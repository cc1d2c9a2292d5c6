// The one updating line that shows a long image write on a terminal.
#ifndef ZOR_DISC_PROGRESS_H
#define ZOR_DISC_PROGRESS_H

#include <chrono>
#include <cstdint>
#include <string>

namespace disc {

// "disc 1 of 2: 412 of 4,096 MiB written, 38.2 MiB/s" on standard output, rewritten in place
// (carriage return) at most a few times a second, and erased by the destructor. Silent when
// standard output is not a terminal, so that piped or logged output holds only the report
// lines.
class Cprogress_line {
 public:
  // The line of disc number of count.
  Cprogress_line(int number, int count);
  ~Cprogress_line();
  Cprogress_line(const Cprogress_line&) = delete;
  Cprogress_line& operator=(const Cprogress_line&) = delete;

  // Shows that done bytes of total are through the step named by what ("written", "read
  // back"); the rate counts from the first call for that step.
  void show(std::uint64_t done, std::uint64_t total, const char* what);

 private:
  bool on_terminal_;
  std::string disc_;
  std::string what_;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point shown_;
  std::size_t width_ = 0;
};

}  // namespace disc

#endif
