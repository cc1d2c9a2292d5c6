// One iconv conversion, owned: the disc tool's strict and lossy text conversions both run
// through it (glibc's CP932 is Windows's code page 932; WCHAR_T is the native UTF-32).
#ifndef ZOR_DISC_TEXT_CONVERTER_H
#define ZOR_DISC_TEXT_CONVERTER_H

#include <iconv.h>

#include <cerrno>
#include <cstddef>
#include <string>

namespace disc {

// An iconv conversion descriptor, closed with its owner.
class Ctext_converter {
 public:
  Ctext_converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Ctext_converter() {
    if (ok()) iconv_close(cd_);
  }
  Ctext_converter(const Ctext_converter&) = delete;
  Ctext_converter& operator=(const Ctext_converter&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts count bytes at in into out. An input sequence that does not convert ends the
  // conversion with false when skip is 0 (strict); otherwise it is skipped by skip bytes,
  // replacement is appended instead, and the result is false when any was replaced.
  bool convert(const char* in, std::size_t count, std::size_t skip, const std::string& replacement,
               std::string& out) {
    out.clear();
    if (!ok()) return false;
    bool clean = true;
    char buffer[4096];
    char* source = const_cast<char*>(in);
    std::size_t left = count;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    while (left > 0) {
      char* target = buffer;
      std::size_t room = sizeof buffer;
      const std::size_t result = iconv(cd_, &source, &left, &target, &room);
      out.append(buffer, static_cast<std::size_t>(target - buffer));
      if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
      clean = false;
      if (skip == 0) return false;
      const std::size_t step = left < skip ? left : skip;
      source += step;
      left -= step;
      out += replacement;
    }
    return clean;
  }

 private:
  iconv_t cd_;
};

}  // namespace disc

#endif
