// The placeholder pictures, written byte by byte (little-endian headers, bottom-up rows).
#include "lib/rules/starter_pictures.h"

#include <cstdint>
#include <vector>

#include "lib/rules/picture_headers.h"

namespace ZOR {

namespace {

// Blue, green, red of the field and of the frame around it.
const unsigned char field[3] = {0x60, 0x38, 0x20};
const unsigned char frame[3] = {0xC8, 0xB4, 0xA0};

void put16(std::string& bytes, std::uint32_t value) {
  bytes += static_cast<char>(value & 0xFF);
  bytes += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& bytes, std::uint32_t value) {
  put16(bytes, value & 0xFFFF);
  put16(bytes, value >> 16);
}

// A BITMAPINFOHEADER without compression or palette.
void put_info_header(std::string& bytes, int width, int height, int bits, std::uint32_t image_size) {
  put32(bytes, 40);
  put32(bytes, static_cast<std::uint32_t>(width));
  put32(bytes, static_cast<std::uint32_t>(height));
  put16(bytes, 1);
  put16(bytes, static_cast<std::uint32_t>(bits));
  put32(bytes, 0);  // BI_RGB
  put32(bytes, image_size);
  put32(bytes, 2835);  // 72 dots per inch
  put32(bytes, 2835);
  put32(bytes, 0);
  put32(bytes, 0);
}

// The pixels of a side x side square, bottom row first, with 3 or 4 bytes each (the fourth
// opaque), each row padded to 4 bytes.
std::string square_pixels(int side, int bytes_per_pixel) {
  const int border = side / 16 > 0 ? side / 16 : 1;
  std::string pixels;
  for (int row = side - 1; row >= 0; --row) {
    std::size_t row_bytes = 0;
    for (int column = 0; column < side; ++column) {
      const bool on_frame = row < border || column < border || row >= side - border || column >= side - border;
      const unsigned char* colour = on_frame ? frame : field;
      pixels.append(reinterpret_cast<const char*>(colour), 3);
      if (bytes_per_pixel == 4) pixels += static_cast<char>(0xFF);
      row_bytes += static_cast<std::size_t>(bytes_per_pixel);
    }
    for (; row_bytes % 4 != 0; ++row_bytes) pixels += '\0';
  }
  return pixels;
}

}  // namespace

std::string placeholder_title_bitmap() {
  const int side = title_picture_side;
  const std::string pixels = square_pixels(side, 3);
  const std::uint32_t offset = 14 + 40;
  std::string bytes = "BM";
  put32(bytes, offset + static_cast<std::uint32_t>(pixels.size()));
  put32(bytes, 0);
  put32(bytes, offset);
  put_info_header(bytes, side, side, 24, static_cast<std::uint32_t>(pixels.size()));
  return bytes + pixels;
}

std::string placeholder_icon() {
  const int sides[] = {16, 32, 48};
  std::vector<std::string> images;
  for (int side : sides) {
    const std::string pixels = square_pixels(side, 4);
    // The AND mask: one bit a pixel, rows padded to 4 bytes, all 0 (every pixel drawn).
    const std::string mask(static_cast<std::size_t>((side + 31) / 32 * 4 * side), '\0');
    std::string image;
    // An icon image's height counts the colour rows and the mask's together.
    put_info_header(image, side, 2 * side, 32, static_cast<std::uint32_t>(pixels.size() + mask.size()));
    images.push_back(image + pixels + mask);
  }
  std::string bytes;
  put16(bytes, 0);
  put16(bytes, 1);
  put16(bytes, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(icon_header_size + 16 * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    bytes += static_cast<char>(sides[i]);
    bytes += static_cast<char>(sides[i]);
    bytes += '\0';  // no palette
    bytes += '\0';
    put16(bytes, 1);
    put16(bytes, 32);
    put32(bytes, static_cast<std::uint32_t>(images[i].size()));
    put32(bytes, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const std::string& image : images) bytes += image;
  return bytes;
}

}  // namespace ZOR
