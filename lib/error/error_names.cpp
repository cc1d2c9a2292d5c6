// The name and message tables behind error texts: errno, HRESULT and WMI status codes.
#include "lib/error/error.h"

#include <cwchar>
#include <iterator>
#include <string.h>

namespace ZOR {

namespace {

struct Errno_row {
  std::int32_t code;
  const wchar_t* name;
  const wchar_t* message;
};

// The named error numbers of 0-80; every other code of that range is "No.<code>".
const Errno_row errno_rows[] = {
    {0, L"0", L"エラー詳細を取得できませんでした。"},
    {1, L"EPERM", L"操作が拒否されました。"},
    {2, L"ENOENT", L"ファイルまたはディレクトリが見つかりませんでした。"},
    {3, L"ESRCH", L"プロセスが見つかりませんでした。"},
    {4, L"EINTR", L"Interrupted function"},
    {5, L"EIO", L"I/O エラーです。"},
    {6, L"ENXIO", L"デバイスまたはアドレスが見つかりませんでした。"},
    {7, L"E2BIG", L"引数リストが長すぎます。"},
    {8, L"ENOEXEC", L"Exec format error"},
    {9, L"EBADF", L"ファイル指定子が不正です。"},
    {10, L"ECHILD", L"No spawned processes"},
    {11, L"EAGAIN", L"No more processes or not enough memory or maximum nesting level reached"},
    {12, L"ENOMEM", L"Not enough memory"},
    {13, L"EACCES", L"アクセスが拒否されました。"},
    {14, L"EFAULT", L"Bad address"},
    {16, L"EBUSY", L"Device or resource busy"},
    {17, L"EEXIST", L"File exists"},
    {18, L"EXDEV", L"Cross-device link"},
    {19, L"ENODEV", L"No such device"},
    {20, L"ENOTDIR", L"Not a directory"},
    {21, L"EISDIR", L"Is a directory"},
    {22, L"EINVAL", L"無効なパラメータです。"},
    {23, L"ENFILE", L"Too many files open in system"},
    {24, L"EMFILE", L"Too many open files"},
    {25, L"ENOTTY", L"Inappropriate I/O control operation"},
    {27, L"EFBIG", L"File too large"},
    {28, L"ENOSPC", L"No space left on device"},
    {29, L"ESPIPE", L"Invalid seek"},
    {30, L"EROFS", L"Read-only file system"},
    {31, L"EMLINK", L"Too many links"},
    {32, L"EPIPE", L"Broken pipe"},
    {33, L"EDOM", L"Math argument"},
    {34, L"ERANGE", L"Result too large"},
    {36, L"EDEADLK", L"Resource deadlock would occur"},
    {38, L"ENAMETOOLONG", L"Filename too long"},
    {39, L"ENOLCK", L"No locks available"},
    {40, L"ENOSYS", L"Function not supported"},
    {41, L"ENOTEMPTY", L"Directory not empty"},
    {42, L"EILSEQ", L"Illegal byte sequence"},
    {80, L"STRUNCATE", L"String was truncated"},
};
const std::int32_t errno_table_last = 80;

const Errno_row* find_errno_row(std::int32_t code) {
  for (const auto& row : errno_rows) {
    if (row.code == code) return &row;
  }
  return nullptr;
}

struct Hresult_row {
  std::uint32_t value;
  const wchar_t* name;
};

const Hresult_row hresult_rows[] = {
    {0x00000000u, L"S_OK"},
    {0x00000001u, L"S_FALSE"},
    {0x80004001u, L"E_NOTIMPL"},
    {0x80004002u, L"E_NOINTERFACE"},
    {0x80004003u, L"E_POINTER"},
    {0x80004004u, L"E_ABORT"},
    {0x80004005u, L"E_FAIL"},
    {0x8000FFFFu, L"E_UNEXPECTED"},
    {0x80040110u, L"CLASS_E_NOAGGREGATION"},
    {0x80040154u, L"REGDB_E_CLASSNOTREG"},
    {0x80070005u, L"E_ACCESSDENIED"},
    {0x80070006u, L"E_HANDLE"},
    {0x8007000Eu, L"E_OUTOFMEMORY"},
    {0x80070057u, L"E_INVALIDARG"},
};

// WBEMSTATUS names from WBEM_E_FAILED (0x80041001) on, one per value; nullptr where the
// enumeration names none.
const std::uint32_t wmi_first = 0x80041001u;
const wchar_t* const wmi_names[] = {
    L"WBEM_E_FAILED",
    L"WBEM_E_NOT_FOUND",
    L"WBEM_E_ACCESS_DENIED",
    L"WBEM_E_PROVIDER_FAILURE",
    L"WBEM_E_TYPE_MISMATCH",
    L"WBEM_E_OUT_OF_MEMORY",
    L"WBEM_E_INVALID_CONTEXT",
    L"WBEM_E_INVALID_PARAMETER",
    L"WBEM_E_NOT_AVAILABLE",
    L"WBEM_E_CRITICAL_ERROR",
    L"WBEM_E_INVALID_STREAM",
    L"WBEM_E_NOT_SUPPORTED",
    L"WBEM_E_INVALID_SUPERCLASS",
    L"WBEM_E_INVALID_NAMESPACE",
    L"WBEM_E_INVALID_OBJECT",
    L"WBEM_E_INVALID_CLASS",
    L"WBEM_E_PROVIDER_NOT_FOUND",
    L"WBEM_E_INVALID_PROVIDER_REGISTRATION",
    L"WBEM_E_PROVIDER_LOAD_FAILURE",
    L"WBEM_E_INITIALIZATION_FAILURE",
    L"WBEM_E_TRANSPORT_FAILURE",
    L"WBEM_E_INVALID_OPERATION",
    L"WBEM_E_INVALID_QUERY",
    L"WBEM_E_INVALID_QUERY_TYPE",
    L"WBEM_E_ALREADY_EXISTS",
    L"WBEM_E_OVERRIDE_NOT_ALLOWED",
    L"WBEM_E_PROPAGATED_QUALIFIER",
    L"WBEM_E_PROPAGATED_PROPERTY",
    L"WBEM_E_UNEXPECTED",
    L"WBEM_E_ILLEGAL_OPERATION",
    L"WBEM_E_CANNOT_BE_KEY",
    L"WBEM_E_INCOMPLETE_CLASS",
    L"WBEM_E_INVALID_SYNTAX",
    L"WBEM_E_NONDECORATED_OBJECT",
    L"WBEM_E_READ_ONLY",
    L"WBEM_E_PROVIDER_NOT_CAPABLE",
    L"WBEM_E_CLASS_HAS_CHILDREN",
    L"WBEM_E_CLASS_HAS_INSTANCES",
    L"WBEM_E_QUERY_NOT_IMPLEMENTED",
    L"WBEM_E_ILLEGAL_NULL",
    L"WBEM_E_INVALID_QUALIFIER_TYPE",
    L"WBEM_E_INVALID_PROPERTY_TYPE",
    L"WBEM_E_VALUE_OUT_OF_RANGE",
    L"WBEM_E_CANNOT_BE_SINGLETON",
    L"WBEM_E_INVALID_CIM_TYPE",
    L"WBEM_E_INVALID_METHOD",
    L"WBEM_E_INVALID_METHOD_PARAMETERS",
    L"WBEM_E_SYSTEM_PROPERTY",
    L"WBEM_E_INVALID_PROPERTY",
    L"WBEM_E_CALL_CANCELLED",
    L"WBEM_E_SHUTTING_DOWN",
    L"WBEM_E_PROPAGATED_METHOD",
    L"WBEM_E_UNSUPPORTED_PARAMETER",
    L"WBEM_E_MISSING_PARAMETER_ID",
    L"WBEM_E_INVALID_PARAMETER_ID",
    L"WBEM_E_NONCONSECUTIVE_PARAMETER_IDS",
    L"WBEM_E_PARAMETER_ID_ON_RETVAL",
    L"WBEM_E_INVALID_OBJECT_PATH",
    L"WBEM_E_OUT_OF_DISK_SPACE",
    L"WBEM_E_BUFFER_TOO_SMALL",
    L"WBEM_E_UNSUPPORTED_PUT_EXTENSION",
    L"WBEM_E_UNKNOWN_OBJECT_TYPE",
    L"WBEM_E_UNKNOWN_PACKET_TYPE",
    L"WBEM_E_MARSHAL_VERSION_MISMATCH",
    L"WBEM_E_MARSHAL_INVALID_SIGNATURE",
    L"WBEM_E_INVALID_QUALIFIER",
    L"WBEM_E_INVALID_DUPLICATE_PARAMETER",
    L"WBEM_E_TOO_MUCH_DATA",
    L"WBEM_E_SERVER_TOO_BUSY",
    L"WBEM_E_INVALID_FLAVOR",
    L"WBEM_E_CIRCULAR_REFERENCE",
    L"WBEM_E_UNSUPPORTED_CLASS_UPDATE",
    L"WBEM_E_CANNOT_CHANGE_KEY_INHERITANCE",
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 0x8004104a-0x8004104f: unnamed
    L"WBEM_E_CANNOT_CHANGE_INDEX_INHERITANCE",
    L"WBEM_E_TOO_MANY_PROPERTIES",
    L"WBEM_E_UPDATE_TYPE_MISMATCH",
    L"WBEM_E_UPDATE_OVERRIDE_NOT_ALLOWED",
    L"WBEM_E_UPDATE_PROPAGATED_METHOD",
    L"WBEM_E_METHOD_NOT_IMPLEMENTED",
    L"WBEM_E_METHOD_DISABLED",
    L"WBEM_E_REFRESHER_BUSY",
    L"WBEM_E_UNPARSABLE_QUERY",
    L"WBEM_E_NOT_EVENT_CLASS",
    L"WBEM_E_MISSING_GROUP_WITHIN",
    L"WBEM_E_MISSING_AGGREGATION_LIST",
    L"WBEM_E_PROPERTY_NOT_AN_OBJECT",
    L"WBEM_E_AGGREGATING_BY_OBJECT",
    nullptr,  // 0x8004105e: unnamed
    L"WBEM_E_UNINTERPRETABLE_PROVIDER_QUERY",
    L"WBEM_E_BACKUP_RESTORE_WINMGMT_RUNNING",
    L"WBEM_E_QUEUE_OVERFLOW",
    L"WBEM_E_PRIVILEGE_NOT_HELD",
    L"WBEM_E_INVALID_OPERATOR",
    L"WBEM_E_LOCAL_CREDENTIALS",
    L"WBEM_E_CANNOT_BE_ABSTRACT",
    L"WBEM_E_AMENDED_OBJECT",
    L"WBEM_E_CLIENT_TOO_SLOW",
    L"WBEM_E_NULL_SECURITY_DESCRIPTOR",
    L"WBEM_E_TIMED_OUT",
    L"WBEM_E_INVALID_ASSOCIATION",
    L"WBEM_E_AMBIGUOUS_OPERATION",
    L"WBEM_E_QUOTA_VIOLATION",
    L"WBEM_E_RESERVED_001",
    L"WBEM_E_RESERVED_002",
    L"WBEM_E_UNSUPPORTED_LOCALE",
    L"WBEM_E_HANDLE_OUT_OF_DATE",
    L"WBEM_E_CONNECTION_FAILED",
    L"WBEM_E_INVALID_HANDLE_REQUEST",
    L"WBEM_E_PROPERTY_NAME_TOO_WIDE",
    L"WBEM_E_CLASS_NAME_TOO_WIDE",
    L"WBEM_E_METHOD_NAME_TOO_WIDE",
    L"WBEM_E_QUALIFIER_NAME_TOO_WIDE",
    L"WBEM_E_RERUN_COMMAND",
    L"WBEM_E_DATABASE_VER_MISMATCH",
    L"WBEM_E_VETO_DELETE",
    L"WBEM_E_VETO_PUT",
    nullptr, nullptr, nullptr, nullptr, nullptr,  // 0x8004107b-0x8004107f: unnamed
    L"WBEM_E_INVALID_LOCALE",
    L"WBEM_E_PROVIDER_SUSPENDED",
    L"WBEM_E_SYNCHRONIZATION_REQUIRED",
    L"WBEM_E_NO_SCHEMA",
    L"WBEM_E_PROVIDER_ALREADY_REGISTERED",
    L"WBEM_E_PROVIDER_NOT_REGISTERED",
    L"WBEM_E_FATAL_TRANSPORT_ERROR",
    L"WBEM_E_ENCRYPTED_CONNECTION_REQUIRED",
    L"WBEM_E_PROVIDER_TIMED_OUT",
    L"WBEM_E_NO_KEY",
    L"WBEM_E_PROVIDER_DISABLED",
};
static_assert(std::size(wmi_names) == 0x8a, "one name slot per value up to WBEM_E_PROVIDER_DISABLED");

}  // namespace

std::wstring errno_name(std::int32_t code) {
  if (code < 0 || code > errno_table_last) return std::wstring();
  const Errno_row* row = find_errno_row(code);
  return row ? std::wstring(row->name) : L"No." + std::to_wstring(code);
}

std::wstring errno_message(std::int32_t code) {
  if (code >= 0 && code <= errno_table_last) {
    const Errno_row* row = find_errno_row(code);
    return row ? std::wstring(row->message) : L"No." + std::to_wstring(code);
  }
  wchar_t buffer[128] = {};
  if (_wcserror_s(buffer, std::size(buffer), code) != 0) return std::wstring();
  return buffer;
}

std::wstring hresult_name(std::uint32_t code) {
  for (const auto& row : hresult_rows) {
    if (row.value == code) return row.name;
  }
  return L"???";
}

std::wstring wmi_name(std::uint32_t code) {
  if (code >= wmi_first && code - wmi_first < std::size(wmi_names) && wmi_names[code - wmi_first]) {
    return wmi_names[code - wmi_first];
  }
  return hresult_name(code);
}

}  // namespace ZOR
