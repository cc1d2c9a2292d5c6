// Clog_splitter: lines of the log cut at line feeds, the unfinished one carried on.
#include "lib/log/log_splitter.h"

namespace ZOR {

bool is_cp932_lead_byte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

void Clog_splitter::append_row(std::string_view bytes, Clog_rows& rows) {
  if (bytes.empty()) return;
  rows.spans.push_back({rows.bytes.size(), bytes.size()});
  rows.bytes.append(bytes.data(), bytes.size());
}

void Clog_splitter::add(std::string_view bytes, Clog_rows& rows) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) break;
    std::string_view line = bytes.substr(start, end - start);
    if (!pending_.empty()) {
      pending_.append(line.data(), line.size());
      line = pending_;
    }
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    append_row(line, rows);
    pending_.clear();
    start = end + 1;
  }
  pending_.append(bytes.data() + start, bytes.size() - start);
}

void Clog_splitter::end_poll(Clog_rows& rows) {
  // The line starts at a character boundary: walk its characters to find a cut last one.
  std::size_t whole = 0;
  std::size_t last = 0;  // where the last whole character begins
  while (whole < pending_.size()) {
    const bool lead = is_lead_byte_(static_cast<unsigned char>(pending_[whole]));
    if (lead && whole + 1 == pending_.size()) break;
    last = whole;
    whole += lead ? 2 : 1;
  }
  // A carriage return that a lead byte took as its trail byte is no line end.
  if (whole - last == 1 && pending_[last] == '\r') whole = last;
  if (whole == 0) return;
  append_row(std::string_view(pending_).substr(0, whole), rows);
  pending_.erase(0, whole);
}

}  // namespace ZOR
