// Strict code page conversions through iconv (glibc's CP932 is Windows's code page 932).
#include "disc/layout_text.h"

#include "disc/text_converter.h"

namespace disc {
namespace {

// Converts length bytes at input from one iconv encoding to another; false on any character
// that does not convert (no transliteration, no skipping).
bool convert(const char* to, const char* from, const char* input, std::size_t length, std::string& output) {
  Ctext_converter converter(to, from);
  return converter.convert(input, length, 0, std::string(), output);
}

bool bytes_to_wide(const char* from, const std::string& bytes, std::wstring& wide) {
  std::string raw;
  wide.clear();
  if (!convert("WCHAR_T", from, bytes.data(), bytes.size(), raw)) return false;
  wide.assign(reinterpret_cast<const wchar_t*>(raw.data()), raw.size() / sizeof(wchar_t));
  return true;
}

bool wide_to_bytes(const char* to, const std::wstring& wide, std::string& bytes) {
  return convert(to, "WCHAR_T", reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t), bytes);
}

}  // namespace

bool utf8_to_wide(const std::string& utf8, std::wstring& wide) { return bytes_to_wide("UTF-8", utf8, wide); }
bool wide_to_utf8(const std::wstring& wide, std::string& utf8) { return wide_to_bytes("UTF-8", wide, utf8); }
bool cp932_to_wide(const std::string& bytes, std::wstring& wide) { return bytes_to_wide("CP932", bytes, wide); }
bool wide_to_cp932(const std::wstring& wide, std::string& bytes) { return wide_to_bytes("CP932", wide, bytes); }

}  // namespace disc
