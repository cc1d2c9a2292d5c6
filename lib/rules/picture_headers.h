// The headers of the disc's pictures: Setup.ico (an icon directory) and Setup.bmp (the
// title picture), judged from their bytes, with the programs' messages.
#ifndef ZOR_RULES_PICTURE_HEADERS_H
#define ZOR_RULES_PICTURE_HEADERS_H

#include <cstddef>
#include <string>

namespace ZOR {

// Why an icon file could not be used.
enum class Icon_file_problem {
  none,
  cannot_open,  // the file does not open for reading
  not_an_icon,  // its first six bytes are not an icon directory header (a bitmap, say)
  damaged,      // the header is right but the platform cannot load the icon
};

// The bytes of the icon directory header that Setup and Foyer read.
constexpr std::size_t icon_header_size = 6;

// True when the first six bytes are an icon directory header: reserved word 0 and type 1,
// both 16-bit little-endian. Fewer than six bytes are no header.
bool is_icon_header(const unsigned char* bytes, long long count);

// The whole file's verdict without the platform's loader: not_an_icon as is_icon_header
// says; damaged when the directory holds no image, or an entry (16 bytes each after the
// header) or the image it points to lies beyond the count bytes; else none.
Icon_file_problem icon_file_verdict(const unsigned char* bytes, std::size_t count);

// The message a program shows for a problem with Setup.ico (empty for none).
std::wstring icon_file_message(Icon_file_problem problem);

// The side of the menu's square picture area, in pixels: Foyer shows a title picture from its
// top-left corner, unscaled, and cuts it there.
constexpr int title_picture_side = 400;

// The width and the height of a bitmap whose bytes begin with the file and info headers
// ("BM", an info header of 40 bytes or more); a negative height (top-down) counts as its
// size. False when the bytes are no such header.
bool bitmap_size(const unsigned char* bytes, std::size_t count, int& width, int& height);

// What Foyer's title picture loading makes of a Setup.bmp.
enum class Title_bitmap_problem {
  none,
  not_loadable,       // no bitmap the platform loads, or one the surface cannot hold
  unsupported_depth,  // a bitmap of other than 24 or 32 bits per pixel
};

// The bytes of the file and info headers that title_bitmap_verdict looks at.
constexpr std::size_t bitmap_head_size = 54;

// True when the bytes hold an info header (40 bytes or more) whose height is negative: rows
// stored top-down, which the title surface cannot take.
bool bitmap_stored_top_down(const unsigned char* bytes, std::size_t count);

// True for the depths the title surface takes: 24 and 32 bits per pixel.
bool is_title_bitmap_depth(int bits);

// The verdict on a whole Setup.bmp of count bytes: "BM", an info header of 40 bytes or
// more, a width and height of at least 1 (a negative height is top-down), one plane,
// uncompressed rows (or bit fields at 16 and 32 bits), and the rows inside the file;
// unsupported_depth for a loadable bitmap of 1, 4, 8 or 16 bits.
Title_bitmap_problem title_bitmap_verdict(const unsigned char* bytes, std::size_t count);

// "24bit / 32bit 以外のビットマップには対応していません。": shown by the loader (caption
// "エラー") before the load message.
std::wstring title_bitmap_depth_message();
// "Setup.bmp の読み込みに失敗しました。": Foyer's message for any failed load.
std::wstring title_bitmap_load_message();

}  // namespace ZOR

#endif
