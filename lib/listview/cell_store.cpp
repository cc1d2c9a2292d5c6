// The block store of an owner-data list's cell texts.
#include "lib/listview/cell_store.h"

#include <algorithm>

namespace ZOR {

Ccell_store::Ccell Ccell_store::store(std::wstring_view text) {
  if (text.empty()) return Ccell{0, 0, 0};
  while (current_ < blocks_.size() && blocks_[current_].size - used_ < text.size()) {
    ++current_;
    used_ = 0;
  }
  if (current_ == blocks_.size()) {
    const std::size_t size = std::max(block_chars, text.size());
    blocks_.push_back(Cblock{std::unique_ptr<wchar_t[]>(new wchar_t[size]), size});
    used_ = 0;
  }
  const Ccell cell{static_cast<std::uint32_t>(current_), static_cast<std::uint32_t>(used_),
                   static_cast<std::uint32_t>(text.size())};
  std::copy(text.begin(), text.end(), blocks_[current_].chars.get() + used_);
  used_ += text.size();
  return cell;
}

void Ccell_store::append(std::wstring_view text) { cells_.push_back(store(text)); }

void Ccell_store::append_empty(std::size_t count) { cells_.resize(cells_.size() + count, Ccell{0, 0, 0}); }

void Ccell_store::set(std::size_t index, std::wstring_view text) { cells_[index] = store(text); }

std::wstring_view Ccell_store::get(std::size_t index) const {
  const Ccell& cell = cells_[index];
  if (cell.length == 0) return std::wstring_view();
  return std::wstring_view(blocks_[cell.block].chars.get() + cell.offset, cell.length);
}

void Ccell_store::clear() {
  std::vector<Ccell>().swap(cells_);
  current_ = 0;
  used_ = 0;
}

}  // namespace ZOR
