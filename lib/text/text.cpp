// Text, path and number helpers: plain string work, no platform calls.
#include "lib/text/text.h"

namespace ZOR {

namespace {

// Position of the '.' that starts the extension of the final path element, or npos.
std::wstring::size_type extension_dot(const std::wstring& path) {
  for (std::wstring::size_type i = path.size(); i > 0; --i) {
    wchar_t c = path[i - 1];
    if (c == L'\\') return std::wstring::npos;
    if (c == L'.') return i - 1;
  }
  return std::wstring::npos;
}

// Digits of a magnitude, most significant first.
std::wstring digits_of(std::uint64_t value, unsigned base) {
  if (value == 0) return L"0";
  wchar_t buffer[32];
  int n = 0;
  while (value != 0) {
    unsigned d = static_cast<unsigned>(value % base);
    buffer[n++] = static_cast<wchar_t>(d < 10 ? L'0' + d : L'a' + (d - 10));
    value /= base;
  }
  std::wstring result;
  while (n > 0) result += buffer[--n];
  return result;
}

// The platform's "%#x" form: "0x" before every value but zero.
std::wstring hex_of(std::uint64_t value) {
  return value == 0 ? std::wstring(L"0") : L"0x" + digits_of(value, 16);
}

// 'A'-'Z' to 'a'-'z' in wide text or in bytes.
template <typename Text>
void fold_ascii(Text& text) {
  for (auto& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<typename Text::value_type>(c - 'A' + 'a');
  }
}

}  // namespace

std::wstring file_name_of(const std::wstring& path) {
  auto pos = path.rfind(L'\\');
  return pos == std::wstring::npos ? path : path.substr(pos + 1);
}

std::wstring directory_of(const std::wstring& path) {
  auto pos = path.rfind(L'\\');
  return pos == std::wstring::npos ? path : path.substr(0, pos);
}

std::wstring extension_of(const std::wstring& path) {
  auto pos = extension_dot(path);
  return pos == std::wstring::npos ? std::wstring() : path.substr(pos + 1);
}

std::wstring strip_extension(const std::wstring& path) {
  auto pos = extension_dot(path);
  return pos == std::wstring::npos ? path : path.substr(0, pos);
}

void to_lower_ascii(std::wstring& text) { fold_ascii(text); }

std::wstring lower_copy(const std::wstring& text) {
  std::wstring copy = text;
  to_lower_ascii(copy);
  return copy;
}

std::string lower_copy(const std::string& text) {
  std::string copy = text;
  fold_ascii(copy);
  return copy;
}

void replace_all(std::wstring& text, const std::wstring& from, const std::wstring& to) {
  if (from.empty()) return;
  std::wstring::size_type pos = 0;
  while ((pos = text.find(from, pos)) != std::wstring::npos) {
    text.replace(pos, from.size(), to);
    pos += to.size();
  }
}

std::wstring replace_all_copy(const std::wstring& text, const std::wstring& from, const std::wstring& to) {
  std::wstring copy = text;
  replace_all(copy, from, to);
  return copy;
}

std::wstring int_to_text(std::int32_t value, int radix) {
  if (radix == 16) return hex_of(static_cast<std::uint32_t>(value));
  return int64_to_text(value, 10);
}

std::wstring int64_to_text(std::int64_t value, int radix) {
  if (radix == 16) return hex_of(static_cast<std::uint64_t>(value));
  if (value < 0) return L"-" + digits_of(0 - static_cast<std::uint64_t>(value), 10);
  return digits_of(static_cast<std::uint64_t>(value), 10);
}

std::wstring uint64_to_text(std::uint64_t value, int radix) {
  return radix == 16 ? hex_of(value) : digits_of(value, 10);
}

std::wstring hex_text(std::uint32_t value) { return hex_of(value); }

}  // namespace ZOR
