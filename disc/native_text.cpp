// iconv conversions between UTF-8, code page 932 and the native wide text (UTF-32).
#include "disc/native_text.h"

#include "disc/layout_text.h"
#include "disc/text_converter.h"

#include <algorithm>
#include <cstdint>

namespace disc {

namespace {

std::wstring wide_of(const std::string& utf32) {
  std::wstring wide(utf32.size() / sizeof(wchar_t), L'\0');
  for (std::size_t i = 0; i < wide.size(); ++i) {
    wchar_t c;
    std::copy(utf32.data() + i * sizeof c, utf32.data() + (i + 1) * sizeof c, reinterpret_cast<char*>(&c));
    wide[i] = c;
  }
  return wide;
}

std::string replacement_wide() {
  const wchar_t c = 0xFFFD;
  return std::string(reinterpret_cast<const char*>(&c), sizeof c);
}

}  // namespace

std::string utf8_of(const std::wstring& wide) {
  Ctext_converter converter("UTF-8", "WCHAR_T");
  std::string out;
  converter.convert(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t), sizeof(wchar_t),
                    "\xEF\xBF\xBD", out);
  return out;
}

bool decode_cp932(const char* bytes, std::size_t count, std::wstring& wide) {
  Ctext_converter converter("WCHAR_T", "CP932");
  std::string out;
  const bool clean = converter.convert(bytes, count, 1, replacement_wide(), out);
  wide = wide_of(out);
  return clean;
}

bool cp932_holds(const std::wstring& wide) {
  std::string bytes;
  std::wstring back;
  return wide_to_cp932(wide, bytes) && cp932_to_wide(bytes, back) && back == wide;
}

std::size_t utf16_length(const std::wstring& wide) {
  std::size_t units = 0;
  for (wchar_t c : wide) units += static_cast<std::uint32_t>(c) > 0xFFFF ? 2 : 1;
  return units;
}

}  // namespace disc
