// The thread's last error record, its text for the user, and the library's message boxes.
#include "lib/error/error.h"

#include "lib/text/text.h"

#include <cerrno>
#include <vector>

namespace ZOR {

namespace {

// The thread's records, newest last. Setting replaces the whole list, so it holds one.
std::vector<Cerror_info>& thread_errors() {
  thread_local std::vector<Cerror_info> errors;
  return errors;
}

Cerror_info make_record(std::int32_t kind, std::int32_t code, std::wstring_view operation) {
  Cerror_info info;
  info.kind = kind;
  info.code = code;
  info.operation.assign(operation.data(), operation.size());
  return info;
}

// The detail line of one record by its kind; empty when there is nothing to say.
std::wstring detail_text(const Cerror_info& info) {
  const auto code = static_cast<std::uint32_t>(info.code);
  switch (info.kind) {
    case Cerror_info::kind_errno:
      return errno_message(info.code);
    case Cerror_info::kind_win32:
      return win32_message(info.code);
    case Cerror_info::kind_hresult:
      return L"hr = " + hex_text(code) + L" (" + hresult_name(code) + L")";
    case Cerror_info::kind_wmi:
      return L"hr = " + hex_text(code) + L" (" + wmi_name(code) + L")";
    case Cerror_info::kind_message:
      return info.message;
    default:
      return std::wstring();
  }
}

void append_line(std::wstring& text, const std::wstring& line) {
  if (line.empty()) return;
  if (!text.empty()) text += L'\n';
  text += line;
}

HWND message_owner = nullptr;

}  // namespace

void set_last_error(const Cerror_info& info) {
  auto& errors = thread_errors();
  errors.clear();
  errors.push_back(info);
}

void set_errno_error(std::wstring_view operation) {
  const int code = errno;
  set_last_error(make_record(Cerror_info::kind_errno, code, operation));
}

void set_invalid_argument_error(std::wstring_view operation) {
  set_last_error(make_record(Cerror_info::kind_errno, EINVAL, operation));
}

void set_win32_error(std::wstring_view operation) {
  const DWORD code = GetLastError();
  set_last_error(make_record(Cerror_info::kind_win32, static_cast<std::int32_t>(code), operation));
}

void set_win32_error_code(std::int32_t code, std::wstring_view operation) {
  set_last_error(make_record(Cerror_info::kind_win32, code, operation));
}

void set_hresult_error(std::int32_t code, std::wstring_view operation) {
  set_last_error(make_record(Cerror_info::kind_hresult, code, operation));
}

void set_message_error(std::wstring_view message, std::wstring_view operation) {
  Cerror_info info = make_record(Cerror_info::kind_message, 0, operation);
  info.message.assign(message.data(), message.size());
  set_last_error(info);
}

void clear_last_error() {
  thread_errors().clear();
}

bool get_last_error(Cerror_info& info) {
  const auto& errors = thread_errors();
  if (errors.empty()) return false;
  info = errors.back();
  return true;
}

std::wstring error_text(const Cerror_info& info) {
  std::wstring text;
  if (!info.operation.empty()) {
    append_line(text, L"関数 " + info.operation + L" においてエラーが発生しました。");
  }
  append_line(text, detail_text(info));
  return text;
}

std::wstring get_last_error_text() {
  std::wstring text;
  const auto& errors = thread_errors();
  for (auto it = errors.rbegin(); it != errors.rend(); ++it) append_line(text, error_text(*it));
  return text;
}

std::wstring win32_message(std::int32_t code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      static_cast<DWORD>(code), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&buffer), 0,
      nullptr);
  if (length == 0 || !buffer) return std::wstring();
  std::wstring text(buffer, length);
  // The buffer was allocated by FormatMessageW with LocalAlloc.
  LocalFree(buffer);
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, L"\r\n") == 0) text.resize(text.size() - 2);
  return text;
}

void set_message_box_owner(HWND owner) {
  message_owner = owner;
}

HWND message_box_owner() {
  return message_owner;
}

int show_error(const std::wstring& text, UINT style) {
  return message_box(text, L"エラー", style | MB_ICONWARNING);
}

int message_box(const std::wstring& text, const std::wstring& caption, UINT style) {
  return message_box_owned(message_owner, text, caption, style);
}

int message_box_owned(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) {
  return MessageBoxW(owner, text.c_str(), caption.c_str(), style);
}

}  // namespace ZOR
