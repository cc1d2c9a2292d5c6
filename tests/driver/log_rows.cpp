// Test driver: Chronicle's rows checked against the log and the writes that made it.
#include "tests/driver/log_rows.h"

#include <algorithm>
#include <cstdlib>
#include <set>

#include "tests/driver/test_places.h"

namespace driver {

namespace {

bool is_lead_byte(char byte) {
  const auto b = static_cast<unsigned char>(byte);
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

std::vector<std::string> exported_rows(const std::string& text) {
  std::vector<std::string> rows;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    rows.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return rows;
}

}  // namespace

Clog_row_check check_log_rows(const std::string& log, const std::string& rows_text,
                              const std::vector<std::int64_t>& write_ends) {
  Clog_row_check check;
  const std::vector<std::string> rows = exported_rows(rows_text);
  check.rows = rows.size();
  const std::set<std::int64_t> ends(write_ends.begin(), write_ends.end());
  auto seen_end = [&ends](std::size_t at) {
    for (std::size_t b = at; b <= at + 2; ++b) {
      if (b % 4096 == 0 || ends.count(static_cast<std::int64_t>(b)) > 0) return true;
    }
    return false;
  };
  std::size_t next = 0;
  auto fail = [&check, &next](const std::string& what) {
    if (check.problem.empty()) check.problem = "row " + std::to_string(next + 1) + ": " + what;
  };
  for (std::size_t start = 0; start < log.size() && check.problem.empty();) {
    std::size_t feed = log.find('\n', start);
    if (feed == std::string::npos) feed = log.size();
    std::size_t end = feed;
    if (end > start && log[end - 1] == '\r') --end;
    if (end > start) ++check.lines;
    std::size_t at = start;
    std::size_t pieces = 0;
    // Where the next character begins, walking the line from its start.
    std::size_t character = start;
    while (at < end && check.problem.empty()) {
      if (next >= rows.size()) {
        fail("missing: the log goes on with \"" + log.substr(at, end - at) + "\"");
        break;
      }
      const std::string& row = rows[next];
      if (row.empty() || at + row.size() > end || log.compare(at, row.size(), row) != 0) {
        fail("\"" + row + "\" where the log holds \"" + log.substr(at, end - at) + "\"");
        break;
      }
      ++next;
      ++pieces;
      at += row.size();
      if (at == end) break;
      while (character < at) {
        const bool pair = is_lead_byte(log[character]) && character + 1 < log.size() &&
                          static_cast<unsigned char>(log[character + 1]) >= 0x40;
        character += pair ? 2 : 1;
      }
      if (character != at) fail("the line is cut inside a double-byte character");
      if (!seen_end(at)) fail("the line is cut at byte " + std::to_string(at) + ", where no read could have ended");
    }
    if (pieces > 1) ++check.split_lines;
    start = feed + 1;
  }
  if (check.problem.empty() && next < rows.size()) {
    fail("\"" + rows[next] + "\" is more than the log holds");
  }
  return check;
}

bool read_write_ends(const std::wstring& log, std::vector<std::int64_t>& write_ends) {
  write_ends.clear();
  const std::string text = read_bytes(log + L".writes");
  bool ended = false;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) break;  // a line still being written
    const std::string line = text.substr(start, end - start);
    if (line == "end") {
      ended = true;
    } else {
      write_ends.push_back(std::strtoll(line.c_str(), nullptr, 10));
    }
    start = end + 1;
  }
  return ended;
}

}  // namespace driver
