// Whether a file on the disc is a Windows program, judged from its first bytes, as the
// shell judges what it starts.
#ifndef ZOR_RULES_PROGRAM_HEADER_H
#define ZOR_RULES_PROGRAM_HEADER_H

#include <cstddef>

namespace ZOR {

// The most bytes from the start of a file that is_windows_program looks at.
constexpr std::size_t program_header_reach = 65536;

// True when the bytes begin with "MZ" and hold, at the offset that the 32-bit little-endian
// value at 0x3C gives, the signature "PE" followed by two zero bytes.
bool is_windows_program(const unsigned char* bytes, std::size_t count);

}  // namespace ZOR

#endif
