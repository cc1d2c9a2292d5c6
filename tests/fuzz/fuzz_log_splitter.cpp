// Fuzz target: Clog_splitter over a log read in pieces. Input: one byte n, then n cuts of
// two bytes each (low 15 bits: a position in the log, taken modulo its size + 1; high bit:
// the cut ends a poll, else it only ends a step of one), then the log's bytes.
#include "lib/log/log_splitter.h"
#include "tests/fuzz/fuzz_require.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using fuzz::require;

namespace {

// The rows of log read in pieces ending at cuts (position, ends a poll), then a poll's end.
ZOR::Clog_rows read_in_pieces(const std::string& log, const std::vector<std::pair<std::size_t, bool>>& cuts) {
  ZOR::Clog_splitter splitter;
  ZOR::Clog_rows rows;
  std::size_t at = 0;
  for (const auto& cut : cuts) {
    splitter.add(std::string_view(log).substr(at, cut.first - at), rows);
    if (cut.second) splitter.end_poll(rows);
    at = cut.first;
  }
  splitter.add(std::string_view(log).substr(at), rows);
  splitter.end_poll(rows);
  return rows;
}

bool same_rows(const ZOR::Clog_rows& a, const ZOR::Clog_rows& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a.row(i) != b.row(i)) return false;
  }
  return true;
}

// Whether position (inside the line that starts at start) falls between two characters.
bool at_character_boundary(const std::string& log, std::size_t start, std::size_t position) {
  std::size_t at = start;
  // A lead byte pairs with a trail byte, which is never below 0x40.
  while (at < position) {
    const bool pair = ZOR::is_cp932_lead_byte(static_cast<unsigned char>(log[at])) && at + 1 < log.size() &&
                      static_cast<unsigned char>(log[at + 1]) >= 0x40;
    at += pair ? 2 : 1;
  }
  return at == position;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t count = std::min<std::size_t>(data[0], (size - 1) / 2);
  const std::uint8_t* bytes = data + 1 + 2 * count;
  std::string log(reinterpret_cast<const char*>(bytes), size - 1 - 2 * count);
  // A complete log: its last line is ended.
  if (log.empty() || log.back() != '\n') log += '\n';
  std::vector<std::pair<std::size_t, bool>> cuts;
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned value = data[1 + 2 * i] | (data[2 + 2 * i] << 8);
    cuts.emplace_back((value & 0x7FFF) % (log.size() + 1), (value & 0x8000) != 0);
  }
  std::sort(cuts.begin(), cuts.end());

  const ZOR::Clog_rows whole = read_in_pieces(log, {});
  // Steps of one poll: exactly the rows of one read.
  std::vector<std::pair<std::size_t, bool>> steps = cuts;
  for (auto& cut : steps) cut.second = false;
  require(same_rows(read_in_pieces(log, steps), whole), "a poll read in steps gives the rows of one read");

  // Polls: every line is its rows joined, cut only where a poll ended (or up to two bytes
  // before, the held-back carriage return and lead byte), between two characters.
  const ZOR::Clog_rows polled = read_in_pieces(log, cuts);
  std::size_t next_row = 0;
  std::size_t start = 0;
  while (start < log.size()) {
    const std::size_t feed = log.find('\n', start);
    std::size_t end = feed;
    if (end > start && log[end - 1] == '\r') --end;
    std::size_t at = start;
    while (at < end) {
      require(next_row < polled.size(), "every line has its rows");
      const std::string_view row = polled.row(next_row++);
      require(!row.empty() && at + row.size() <= end && log.compare(at, row.size(), row.data(), row.size()) == 0,
              "a row is the next piece of its line");
      at += row.size();
      if (at == end) break;
      const bool after_poll = std::any_of(cuts.begin(), cuts.end(), [at](const std::pair<std::size_t, bool>& cut) {
        return cut.second && cut.first >= at && cut.first <= at + 2;
      });
      require(after_poll, "a line is cut only where a poll ended");
      require(at_character_boundary(log, start, at), "a line is cut between two characters");
    }
    start = feed + 1;
  }
  require(next_row == polled.size(), "no row beyond the lines");
  return 0;
}
