// Cutting what Chronicle reads from the engine's log into rows: platform-free, so that the
// same bytes give the same rows however the reading was cut into pieces.
#ifndef ZOR_LOG_LOG_SPLITTER_H
#define ZOR_LOG_LOG_SPLITTER_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ZOR {

// Whether a byte starts a double-byte character of the code page (the trail byte follows).
using Lead_byte_rule = bool (*)(unsigned char byte);
// The rule of code page 932: 0x81-0x9F and 0xE0-0xFC lead.
bool is_cp932_lead_byte(unsigned char byte);

// Rows cut from the log, their bytes one after another in the code page of the log.
struct Clog_rows {
  struct Cspan {
    std::size_t offset;
    std::size_t length;
  };
  std::string bytes;
  std::vector<Cspan> spans;

  std::size_t size() const { return spans.size(); }
  std::string_view row(std::size_t index) const {
    return std::string_view(bytes).substr(spans[index].offset, spans[index].length);
  }
  void clear() {
    bytes.clear();
    spans.clear();
  }
};

// Follows one log from its start, poll by poll. A poll's reading may come in any number of
// pieces: its rows are those that one read of all of it would give. Every line feed ends a
// line; a carriage return just before it belongs to the line end; an empty line is no row.
// Only the line still unfinished when a poll ends is cut: what it holds so far becomes a
// row, and the rest becomes a row at a later poll.
class Clog_splitter {
 public:
  explicit Clog_splitter(Lead_byte_rule is_lead_byte = is_cp932_lead_byte) : is_lead_byte_(is_lead_byte) {}

  // Takes the next bytes of the log; each line they end is appended to rows, and the
  // unfinished rest is carried on to the next piece.
  void add(std::string_view bytes, Clog_rows& rows);
  // The poll has read all it will: the unfinished line so far becomes a row, except a last
  // lead byte whose trail byte is still to come and a last carriage return whose line feed
  // may still come (both begin the rest of the line). A lead byte pairs only with a byte
  // of 0x40 or more: before a smaller one it is a character alone.
  void end_poll(Clog_rows& rows);
  // Forgets the unfinished line (the log is read again from its start).
  void reset() { pending_.clear(); }

 private:
  // Appends bytes as a row unless they are empty.
  static void append_row(std::string_view bytes, Clog_rows& rows);

  Lead_byte_rule is_lead_byte_;
  // The bytes since the last line feed that are no row yet.
  std::string pending_;
};

}  // namespace ZOR

#endif
