// The texts of an owner-data list's cells: kept in large blocks instead of one allocation
// per cell, so that a million rows are cheap to add and freed at once.
#ifndef ZOR_LISTVIEW_CELL_STORE_H
#define ZOR_LISTVIEW_CELL_STORE_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ZOR {

// An ordered list of texts. Appending copies the text into the current block (the next
// block, made when there is none, of at least block_chars characters when it is full);
// replacing a text appends the new one and forgets the old one's place, whose characters
// stay until clear. clear keeps the blocks for the texts that come next, so that emptying
// a million rows frees nothing but the index; the blocks go with the store.
class Ccell_store {
 public:
  static constexpr std::size_t block_chars = 1 << 19;

  // The number of texts.
  std::size_t size() const { return cells_.size(); }
  // Appends one text.
  void append(std::wstring_view text);
  // Appends count empty texts.
  void append_empty(std::size_t count);
  // Replaces text number index (which must exist).
  void set(std::size_t index, std::wstring_view text);
  // Text number index (which must exist); valid until the next append, set or clear.
  std::wstring_view get(std::size_t index) const;
  // Forgets every text; the blocks are kept for reuse.
  void clear();

 private:
  struct Ccell {
    std::uint32_t block;
    std::uint32_t offset;
    std::uint32_t length;
  };
  // Copies text into the blocks and returns where it went.
  Ccell store(std::wstring_view text);

  struct Cblock {
    std::unique_ptr<wchar_t[]> chars;
    std::size_t size;
  };
  std::vector<Cblock> blocks_;
  std::size_t current_ = 0;  // the block being filled; blocks_.size() when none
  std::size_t used_ = 0;     // characters used in it
  std::vector<Ccell> cells_;
};

}  // namespace ZOR

#endif
