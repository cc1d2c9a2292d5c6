// The DOS stub's pointer to the PE signature.
#include "lib/rules/program_header.h"

#include <cstdint>

namespace ZOR {

bool is_windows_program(const unsigned char* bytes, std::size_t count) {
  if (count < 0x40 || bytes[0] != 'M' || bytes[1] != 'Z') return false;
  const std::uint64_t at = static_cast<std::uint64_t>(bytes[0x3C]) | static_cast<std::uint64_t>(bytes[0x3D]) << 8 |
                           static_cast<std::uint64_t>(bytes[0x3E]) << 16 | static_cast<std::uint64_t>(bytes[0x3F]) << 24;
  if (at > count || count - at < 4) return false;
  return bytes[at] == 'P' && bytes[at + 1] == 'E' && bytes[at + 2] == 0 && bytes[at + 3] == 0;
}

}  // namespace ZOR
