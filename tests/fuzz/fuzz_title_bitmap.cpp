// Fuzz target: the verdict on a Setup.bmp from its bytes, as the disc tool judges it.
#include "lib/rules/picture_headers.h"
#include "tests/fuzz/fuzz_require.h"

#include <cstdint>
#include <vector>

using fuzz::require;

namespace {

std::uint32_t u16(const std::uint8_t* bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t u32(const std::uint8_t* bytes, std::size_t at) { return u16(bytes, at) | u16(bytes, at + 2) << 16; }

}  // namespace

// The input is the whole file, in a buffer of exactly size bytes (AddressSanitizer reports
// any read past them).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using P = ZOR::Title_bitmap_problem;
  const P verdict = ZOR::title_bitmap_verdict(data, size);
  if (ZOR::bitmap_stored_top_down(data, size)) require(verdict == P::not_loadable, "a top-down bitmap is refused");
  if (verdict == P::not_loadable) return 0;

  require(size >= ZOR::bitmap_head_size && data[0] == 'B' && data[1] == 'M', "a loadable bitmap starts with BM");
  const std::int32_t width = static_cast<std::int32_t>(u32(data, 18));
  const std::int32_t height = static_cast<std::int32_t>(u32(data, 22));
  const std::uint32_t bits = u16(data, 28);
  require(u32(data, 14) >= 40 && width >= 1 && height >= 1 && u16(data, 26) == 1,
          "a loadable bitmap has an info header, a size and one plane");
  require((verdict == P::none) == (bits == 24 || bits == 32), "only 24 and 32 bits pass");
  if (verdict == P::unsupported_depth) {
    require(bits == 1 || bits == 4 || bits == 8 || bits == 16, "the other depths are those a bitmap can have");
  }
  // The rows lie inside the file (in 128 bits: no product overflows).
  const unsigned __int128 stride = (static_cast<unsigned __int128>(width) * bits + 31) / 32 * 4;
  require(u32(data, 10) + stride * static_cast<unsigned __int128>(height) <= size, "the rows lie inside the file");
  // The pixels never change the verdict, only the headers do.
  std::vector<std::uint8_t> blank(data, data + size);
  for (std::size_t i = ZOR::bitmap_head_size; i < size; ++i) blank[i] = 0;
  require(ZOR::title_bitmap_verdict(blank.data(), size) == verdict, "the pixels do not change the verdict");
  return 0;
}
