// Fuzz target: the verdict on a Setup.ico from its bytes, as the disc tool judges it.
#include "lib/rules/picture_headers.h"
#include "tests/fuzz/fuzz_require.h"

#include <cstdint>
#include <vector>

using fuzz::require;

namespace {

std::uint32_t u16(const std::uint8_t* bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8);
}

}  // namespace

// The input is the whole file. libFuzzer hands over a buffer of exactly size bytes, so
// AddressSanitizer reports any read past them.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using P = ZOR::Icon_file_problem;
  const P verdict = ZOR::icon_file_verdict(data, size);
  const bool header = size >= 6 && u16(data, 0) == 0 && u16(data, 2) == 1;
  require(ZOR::is_icon_header(data, static_cast<long long>(size)) == header, "the header check reads the two words");
  require((verdict == P::not_an_icon) == !header, "not an icon exactly when the header is wrong");
  require(verdict != P::cannot_open, "bytes always open");
  if (!header) return 0;
  const std::uint32_t images = u16(data, 4);
  if (verdict == P::none) {
    require(images >= 1 && 6 + 16ull * images <= size, "an accepted icon holds its directory");
    // Every image lies inside the file: cut the file before the end of any one and the
    // verdict must turn.
    std::uint64_t end = 0;
    for (std::uint32_t i = 0; i < images; ++i) {
      const std::uint8_t* entry = data + 6 + 16 * i;
      const std::uint64_t bytes = u16(entry, 8) | static_cast<std::uint64_t>(u16(entry, 10)) << 16;
      const std::uint64_t offset = u16(entry, 12) | static_cast<std::uint64_t>(u16(entry, 14)) << 16;
      require(bytes > 0 && offset + bytes <= size, "an accepted icon's images lie inside it");
      if (offset + bytes > end) end = offset + bytes;
    }
    require(ZOR::icon_file_verdict(data, static_cast<std::size_t>(end - 1)) != P::none,
            "cut before the end of an image, the icon is refused");
  }
  if (images == 0) require(verdict == P::damaged, "a directory of no image is damaged");
  // Bytes after the directory are pictures: their content never changes the verdict.
  const std::size_t directory = static_cast<std::size_t>(6 + 16ull * images);
  if (directory < size) {
    std::vector<std::uint8_t> blank(data, data + size);
    for (std::size_t i = directory; i < size; ++i) blank[i] = 0;
    require(ZOR::icon_file_verdict(blank.data(), size) == verdict, "the pictures' bytes do not change the verdict");
  }
  return 0;
}
