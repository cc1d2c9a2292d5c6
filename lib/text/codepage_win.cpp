// ANSI code page conversions through the platform's multi-byte services.
#include "lib/text/codepage.h"

#include <windows.h>

#include <vector>

namespace ZOR {

std::string to_multibyte(const std::wstring& wide) {
  // -1 as length: the conversion ends at the first NUL and counts the terminator.
  if (wide.empty()) return std::string();
  int needed = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(needed) + 1);
  int written = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, buffer.data(), needed, nullptr, nullptr);
  if (written <= 0) return std::string();
  buffer[static_cast<size_t>(written)] = '\0';
  return std::string(buffer.data());
}

std::wstring from_multibyte(const std::string& bytes) {
  if (bytes.empty()) return std::wstring();
  int needed = MultiByteToWideChar(CP_ACP, 0, bytes.c_str(), -1, nullptr, 0);
  if (needed <= 0) return std::wstring();
  std::vector<wchar_t> buffer(static_cast<size_t>(needed) + 1);
  int written = MultiByteToWideChar(CP_ACP, 0, bytes.c_str(), -1, buffer.data(), needed);
  if (written <= 0) return std::wstring();
  buffer[static_cast<size_t>(written)] = L'\0';
  return std::wstring(buffer.data());
}

std::wstring bytes_to_text(const char* buffer, long long count) {
  if (buffer == nullptr || count <= 0) return std::wstring();
  return from_multibyte(std::string(buffer, static_cast<size_t>(count)));
}

std::wstring multibyte_span_to_text(const char* buffer, std::size_t count) {
  if (buffer == nullptr || count == 0) return std::wstring();
  const int length = static_cast<int>(count);
  const int needed = MultiByteToWideChar(CP_ACP, 0, buffer, length, nullptr, 0);
  if (needed <= 0) return std::wstring();
  std::wstring text(static_cast<std::size_t>(needed), L'\0');
  const int written = MultiByteToWideChar(CP_ACP, 0, buffer, length, &text[0], needed);
  text.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return text;
}

bool is_ansi_lead_byte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace ZOR
