// The thread's last error record, its text for the user, and the library's message boxes.
#ifndef ZOR_ERROR_ERROR_H
#define ZOR_ERROR_ERROR_H

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace ZOR {

// One failure: what kind of code it carries, the code or message, and the failed operation.
struct Cerror_info {
  enum : std::int32_t {
    kind_errno = 1,    // code is a C runtime error number
    kind_win32 = 2,    // code is a platform (GetLastError-style) error code
    kind_hresult = 3,  // code is an HRESULT
    kind_wmi = 4,      // code is an HRESULT of the WMI family
    kind_message = 5,  // message holds ready-made text; code is unused
  };
  std::int32_t kind = 0;
  std::int32_t code = 0;
  std::wstring message;
  std::wstring operation;  // for example L"RegOpenKeyEx" or L"fopen(\"rt\")"; may be empty
};

// Every thread keeps its own last error: at most one record, replaced by each setter.
// The setters take the operation as a view so that the code they read (errno,
// GetLastError) is captured before anything else can run and overwrite it.

// Stores info as the thread's only record.
void set_last_error(const Cerror_info& info);
// Kind 1 with the current errno.
void set_errno_error(std::wstring_view operation);
// Kind 1 with EINVAL (22).
void set_invalid_argument_error(std::wstring_view operation);
// Kind 2 with GetLastError(), read first.
void set_win32_error(std::wstring_view operation);
// Kind 2 with a status that a service returned instead of setting the last-error value
// (registry functions, SHCreateDirectoryExW).
void set_win32_error_code(std::int32_t code, std::wstring_view operation);
// Kind 3 with an HRESULT (COM and shell services).
void set_hresult_error(std::int32_t code, std::wstring_view operation);
// Kind 5 with ready-made text.
void set_message_error(std::wstring_view message, std::wstring_view operation);
// Forgets the thread's record.
void clear_last_error();
// Copies the thread's record into info; false (info untouched) when there is none.
bool get_last_error(Cerror_info& info);

// The user's text for the thread's record: "関数 <operation> においてエラーが発生しました。",
// a line feed and the detail of its kind; either part is left out when it is empty.
// Empty when no error is recorded.
std::wstring get_last_error_text();
// The text of one record, built the same way.
std::wstring error_text(const Cerror_info& info);

// The detail texts, one per kind, as get_last_error_text uses them.
// Errno 0-80 from the library's table ("No.<n>" for unnamed codes), else the C runtime's.
std::wstring errno_message(std::int32_t code);
// Symbolic name of errno 0-80 ("No.<n>" for unnamed codes); empty outside that range.
std::wstring errno_name(std::int32_t code);
// The platform's text for a Win32 error code, without its final line break; empty when
// the platform has none.
std::wstring win32_message(std::int32_t code);
// Name of a common HRESULT, "???" for any other value.
std::wstring hresult_name(std::uint32_t code);
// WBEMSTATUS name of a WMI status, else hresult_name(code).
std::wstring wmi_name(std::uint32_t code);

// Message boxes. Their owner is the program's main window: the window framework calls
// set_message_box_owner whenever its main window is created or destroyed (nullptr: none).
// The folder browser uses the same owner.
void set_message_box_owner(HWND owner);
HWND message_box_owner();

// MessageBoxW with the caption "エラー" and the style plus MB_ICONWARNING; returns its result.
int show_error(const std::wstring& text, UINT style = MB_OK);
// MessageBoxW owned by the main window; returns its result (IDOK, IDYES, ...; 0 on failure).
int message_box(const std::wstring& text, const std::wstring& caption, UINT style);
// MessageBoxW owned by owner (nullptr: no owner); returns its result.
int message_box_owned(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style);

}  // namespace ZOR

#endif
