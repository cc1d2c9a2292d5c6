// Test driver: whether the rows Chronicle made of a log are exactly the rows that the reads
// which could have happened give.
#ifndef ZOR_TESTS_DRIVER_LOG_ROWS_H
#define ZOR_TESTS_DRIVER_LOG_ROWS_H

#include <cstdint>
#include <string>
#include <vector>

namespace driver {

struct Clog_row_check {
  std::size_t lines = 0;        // non-empty lines of the log
  std::size_t rows = 0;         // rows exported
  std::size_t split_lines = 0;  // lines that became more than one row
  std::string problem;          // the first row that is wrong; empty when every row is right
};

// Checks the rows (as Chronicle's text export wrote them, each ended by CR LF) against the
// log's bytes (code page 932, lines ended by line feeds): every non-empty line, in order,
// is one row or, when a poll met it unfinished, several rows that join to it. A line may
// be cut only where a reader could have seen the log end: at the end of one of the
// writer's writes (write_ends), or at a 4 KiB boundary of the file, which the system
// shows a long write to have reached before it is done; or up to two bytes before either
// (a held-back lead byte or carriage return), and never inside a double-byte character.
Clog_row_check check_log_rows(const std::string& log, const std::string& rows_text,
                              const std::vector<std::int64_t>& write_ends);

// The write ends that the engine stand-in recorded in log + ".writes" (ZOR_ENGINE_LOG_WRITES);
// true when its last line is "end" (every line written).
bool read_write_ends(const std::wstring& log, std::vector<std::int64_t>& write_ends);

}  // namespace driver

#endif
