// Turns a fuzzer's bytes into the wide text the parsing core takes (native builds only).
#ifndef ZOR_TESTS_FUZZ_FUZZ_INPUT_H
#define ZOR_TESTS_FUZZ_FUZZ_INPUT_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// The first byte chooses how the rest becomes text:
//   0: one character per byte (dense ASCII, so the grammar is found quickly);
//   1: UTF-16 little-endian code units, any value (what the platform hands a program);
//   2: 32-bit code units, any value (wchar_t is 4 bytes natively: values no 16-bit
//      wchar_t can hold must not matter either);
//   3: code page 932 as the platform decodes it: single bytes as ASCII or half-width
//      katakana, a lead byte and its trail byte as one non-ASCII code unit (whatever the
//      trail byte, 0x5C included), an incomplete pair as the default character.
inline std::wstring text_of(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  if (size == 0) return text;
  const unsigned mode = data[0] % 4;
  ++data;
  --size;
  switch (mode) {
    case 0:
      for (std::size_t i = 0; i < size; ++i) text += static_cast<wchar_t>(data[i]);
      break;
    case 1:
      for (std::size_t i = 0; i + 1 < size; i += 2) text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
      break;
    case 2:
      for (std::size_t i = 0; i + 3 < size; i += 4) {
        const std::uint32_t unit = static_cast<std::uint32_t>(data[i]) | (static_cast<std::uint32_t>(data[i + 1]) << 8) |
                                   (static_cast<std::uint32_t>(data[i + 2]) << 16) |
                                   (static_cast<std::uint32_t>(data[i + 3]) << 24);
        text += static_cast<wchar_t>(unit);
      }
      break;
    default:
      for (std::size_t i = 0; i < size; ++i) {
        const unsigned b = data[i];
        const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        if (b < 0x80) {
          text += static_cast<wchar_t>(b);
        } else if (b >= 0xA1 && b <= 0xDF) {
          text += static_cast<wchar_t>(0xFF61 + (b - 0xA1));
        } else if (lead && i + 1 < size && data[i + 1] >= 0x40 && data[i + 1] != 0x7F && data[i + 1] <= 0xFC) {
          text += static_cast<wchar_t>(0x4E00 + ((b << 8 | data[i + 1]) % 0x5000));
          ++i;
        } else {
          text += static_cast<wchar_t>(0x30FB);
        }
      }
      break;
  }
  return text;
}

}  // namespace fuzz

#endif
