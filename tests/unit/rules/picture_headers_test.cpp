// The verdicts on Setup.ico and Setup.bmp from their bytes alone.
#include "lib/rules/picture_headers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "lib/rules/program_header.h"
#include "lib/rules/starter_pictures.h"

namespace {

void put16(std::string& bytes, std::size_t at, std::uint32_t value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& bytes, std::size_t at, std::uint32_t value) {
  put16(bytes, at, value & 0xFFFF);
  put16(bytes, at + 2, value >> 16);
}

// An icon file of images entries, each of 40 bytes of picture, or as given by the row.
std::string icon(std::uint32_t images, std::uint32_t size = 40, std::size_t picture_bytes = 40) {
  std::string bytes(6 + 16 * images, '\0');
  put16(bytes, 2, 1);
  put16(bytes, 4, images);
  for (std::uint32_t i = 0; i < images; ++i) {
    put32(bytes, 6 + 16 * i + 8, size);
    put32(bytes, 6 + 16 * i + 12, static_cast<std::uint32_t>(6 + 16 * images + i * picture_bytes));
  }
  return bytes + std::string(images * picture_bytes, '\x7F');
}

ZOR::Icon_file_problem icon_verdict(const std::string& bytes) {
  return ZOR::icon_file_verdict(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

TEST(PictureHeaders, IconVerdict) {
  using P = ZOR::Icon_file_problem;
  const struct {
    const char* name;
    std::string bytes;
    P verdict;
  } rows[] = {
      {"two images", icon(2), P::none},
      {"five bytes", std::string("\x00\x00\x01\x00\x01", 5), P::not_an_icon},
      {"a bitmap", "BM" + std::string(60, '\0'), P::not_an_icon},
      {"a cursor", std::string("\x00\x00\x02\x00\x01\x00", 6) + std::string(56, '\0'), P::not_an_icon},
      {"no image", icon(0), P::damaged},
      {"entries cut off", icon(2).substr(0, 20), P::damaged},
      {"image past the end", icon(1, 41), P::damaged},
      {"image of no bytes", icon(1, 0), P::damaged},
  };
  for (const auto& row : rows) EXPECT_EQ(icon_verdict(row.bytes), row.verdict) << row.name;
}

// A bitmap file of width x height at bits per pixel, with a palette below 16 bits.
std::string bitmap(std::int32_t width, std::int32_t height, std::uint32_t bits, std::uint32_t compression = 0) {
  const std::uint32_t palette = bits < 16 ? (1u << bits) * 4 : 0;
  const std::uint32_t stride = (static_cast<std::uint32_t>(width) * bits + 31) / 32 * 4;
  const std::uint32_t rows = static_cast<std::uint32_t>(height < 0 ? -height : height);
  std::string bytes(54 + palette + stride * rows, '\0');
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
  put32(bytes, 10, 54 + palette);
  put32(bytes, 14, 40);
  put32(bytes, 18, static_cast<std::uint32_t>(width));
  put32(bytes, 22, static_cast<std::uint32_t>(height));
  put16(bytes, 26, 1);
  put16(bytes, 28, bits);
  put32(bytes, 30, compression);
  return bytes;
}

TEST(PictureHeaders, TitleBitmapVerdict) {
  using P = ZOR::Title_bitmap_problem;
  const struct {
    const char* name;
    std::string bytes;
    P verdict;
    bool top_down;
  } rows[] = {
      {"24 bits, width not a multiple of 4", bitmap(3, 2, 24), P::none, false},
      {"32 bits", bitmap(4, 4, 32), P::none, false},
      {"32 bits with bit fields", bitmap(4, 4, 32, 3), P::none, false},
      {"8 bits", bitmap(4, 4, 8), P::unsupported_depth, false},
      {"1 bit", bitmap(9, 1, 1), P::unsupported_depth, false},
      {"top-down", bitmap(4, -4, 24), P::not_loadable, true},
      {"no width", bitmap(0, 4, 24), P::not_loadable, false},
      {"rows cut off", bitmap(4, 4, 24).substr(0, 100), P::not_loadable, false},
      {"run-length coded", bitmap(4, 4, 8, 1), P::not_loadable, false},
      {"no bitmap", std::string(100, 'x'), P::not_loadable, false},
      {"header only", bitmap(4, 4, 24).substr(0, 40), P::not_loadable, false},
  };
  for (const auto& row : rows) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(row.bytes.data());
    EXPECT_EQ(ZOR::title_bitmap_verdict(bytes, row.bytes.size()), row.verdict) << row.name;
    EXPECT_EQ(ZOR::bitmap_stored_top_down(bytes, row.bytes.size()), row.top_down) << row.name;
  }
}

// A starter folder's pictures are ones the programs load: a picture the menu shows whole and
// an icon with the three sizes.
TEST(PictureHeaders, TheStarterPicturesLoad) {
  const std::string picture = ZOR::placeholder_title_bitmap();
  const auto* bytes = reinterpret_cast<const unsigned char*>(picture.data());
  EXPECT_EQ(ZOR::title_bitmap_verdict(bytes, picture.size()), ZOR::Title_bitmap_problem::none);
  int width = 0;
  int height = 0;
  ASSERT_TRUE(ZOR::bitmap_size(bytes, picture.size(), width, height));
  EXPECT_EQ(width, ZOR::title_picture_side);
  EXPECT_EQ(height, ZOR::title_picture_side);
  EXPECT_EQ(bytes[28], 24);

  const std::string icon = ZOR::placeholder_icon();
  const auto* icon_bytes = reinterpret_cast<const unsigned char*>(icon.data());
  EXPECT_EQ(ZOR::icon_file_verdict(icon_bytes, icon.size()), ZOR::Icon_file_problem::none);
  ASSERT_EQ(icon_bytes[4], 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(icon_bytes[6 + 16 * i], 16 * (i + 1)) << "image " << i;
}

TEST(PictureHeaders, AWindowsProgramHasItsPeSignatureWhereTheStubSays) {
  std::string program(0x80, '\0');
  program[0] = 'M';
  program[1] = 'Z';
  program[0x3C] = 0x40;
  program.replace(0x40, 4, std::string("PE\0\0", 4));
  std::string moved = program;
  moved[0x3C] = 0x7E;  // the signature would run past the end
  const struct {
    const char* name;
    std::string bytes;
    bool program;
  } rows[] = {
      {"MZ and PE", program, true},
      {"no MZ", "PE" + program.substr(2), false},
      {"a pointer past the end", moved, false},
      {"text", std::string(100, 'x'), false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ZOR::is_windows_program(reinterpret_cast<const unsigned char*>(row.bytes.data()), row.bytes.size()),
              row.program)
        << row.name;
  }
}

}  // namespace
