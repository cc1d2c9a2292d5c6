// Icon directory and bitmap header checks over bytes, for the programs and the disc tool.
#include "lib/rules/picture_headers.h"

#include <cstdint>

namespace ZOR {

namespace {

std::uint32_t u16_at(const unsigned char* bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8;
}

std::uint32_t u32_at(const unsigned char* bytes, std::size_t at) {
  return u16_at(bytes, at) | u16_at(bytes, at + 2) << 16;
}

std::int32_t i32_at(const unsigned char* bytes, std::size_t at) {
  return static_cast<std::int32_t>(u32_at(bytes, at));
}

const std::size_t icon_entry_size = 16;
const std::uint32_t bi_rgb = 0;
const std::uint32_t bi_bitfields = 3;

}  // namespace

bool is_icon_header(const unsigned char* bytes, long long count) {
  if (count < static_cast<long long>(icon_header_size)) return false;
  return u16_at(bytes, 0) == 0 && u16_at(bytes, 2) == 1;
}

Icon_file_problem icon_file_verdict(const unsigned char* bytes, std::size_t count) {
  if (!is_icon_header(bytes, static_cast<long long>(count))) return Icon_file_problem::not_an_icon;
  const std::uint32_t images = u16_at(bytes, 4);
  if (images == 0) return Icon_file_problem::damaged;
  if ((count - icon_header_size) / icon_entry_size < images) return Icon_file_problem::damaged;
  for (std::uint32_t i = 0; i < images; ++i) {
    const std::size_t entry = icon_header_size + i * icon_entry_size;
    const std::uint64_t size = u32_at(bytes, entry + 8);
    const std::uint64_t offset = u32_at(bytes, entry + 12);
    if (size == 0 || offset + size > count) return Icon_file_problem::damaged;
  }
  return Icon_file_problem::none;
}

std::wstring icon_file_message(Icon_file_problem problem) {
  switch (problem) {
    case Icon_file_problem::cannot_open:
      return L"Setup.ico が開けませんでした。";
    case Icon_file_problem::not_an_icon:
      return L"Setup.ico が bmp 形式になっています。アイコンエディタ等で正しいアイコンを作成して下さい。";
    case Icon_file_problem::damaged:
      return L"Setup.ico が読み込めませんでした。ファイルが壊れている可能性があります。";
    case Icon_file_problem::none:
      break;
  }
  return std::wstring();
}

bool bitmap_stored_top_down(const unsigned char* bytes, std::size_t count) {
  if (count < 26) return false;
  return u32_at(bytes, 14) >= 40 && i32_at(bytes, 22) < 0;
}

bool bitmap_size(const unsigned char* bytes, std::size_t count, int& width, int& height) {
  if (count < 26 || bytes[0] != 'B' || bytes[1] != 'M' || u32_at(bytes, 14) < 40) return false;
  width = i32_at(bytes, 18);
  const std::int32_t rows = i32_at(bytes, 22);
  height = rows < 0 ? -rows : rows;
  return true;
}

bool is_title_bitmap_depth(int bits) { return bits == 24 || bits == 32; }

Title_bitmap_problem title_bitmap_verdict(const unsigned char* bytes, std::size_t count) {
  if (count < bitmap_head_size || bytes[0] != 'B' || bytes[1] != 'M') return Title_bitmap_problem::not_loadable;
  const std::uint32_t info_size = u32_at(bytes, 14);
  const std::int32_t width = i32_at(bytes, 18);
  const std::int32_t height = i32_at(bytes, 22);
  const std::uint32_t planes = u16_at(bytes, 26);
  const std::uint32_t bits = u16_at(bytes, 28);
  const std::uint32_t compression = u32_at(bytes, 30);
  if (info_size < 40 || width < 1 || height < 1 || planes != 1) return Title_bitmap_problem::not_loadable;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    return Title_bitmap_problem::not_loadable;
  }
  const bool fields_allowed = bits == 16 || bits == 32;
  if (compression != bi_rgb && !(fields_allowed && compression == bi_bitfields)) {
    return Title_bitmap_problem::not_loadable;
  }
  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
  const std::uint64_t offset = u32_at(bytes, 10);
  // The rows must lie inside the file; divided, so that no product can overflow.
  if (offset < 14 + static_cast<std::uint64_t>(info_size) || offset > count ||
      (count - offset) / stride < static_cast<std::uint64_t>(height)) {
    return Title_bitmap_problem::not_loadable;
  }
  return is_title_bitmap_depth(static_cast<int>(bits)) ? Title_bitmap_problem::none
                                                       : Title_bitmap_problem::unsupported_depth;
}

std::wstring title_bitmap_depth_message() { return L"24bit / 32bit 以外のビットマップには対応していません。"; }

std::wstring title_bitmap_load_message() { return L"Setup.bmp の読み込みに失敗しました。"; }

}  // namespace ZOR
