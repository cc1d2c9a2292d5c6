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
  // No double-byte code page has a trail byte below 0x40, so a lead byte before a carriage
  // return (or any byte below 0x40) stands alone and the carriage return is one of its own.
  std::size_t whole = 0;
  while (whole < pending_.size()) {
    const bool lead = is_lead_byte_(static_cast<unsigned char>(pending_[whole]));
    if (lead && whole + 1 == pending_.size()) break;
    whole += lead && static_cast<unsigned char>(pending_[whole + 1]) >= 0x40 ? 2 : 1;
  }
  if (whole > 0 && pending_[whole - 1] == '\r') --whole;
  if (whole == 0) return;
  append_row(std::string_view(pending_).substr(0, whole), rows);
  pending_.erase(0, whole);
}

}  // namespace ZOR
