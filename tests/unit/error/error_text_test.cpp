// The last error record: setters, one record per thread, and the texts of every kind.
#include "lib/error/error.h"

#include "lib/text/codepage.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <thread>

namespace {

const std::wstring failed_in = L" においてエラーが発生しました。";

ZOR::Cerror_info record(std::int32_t kind, std::uint32_t code, const wchar_t* operation, const wchar_t* message = L"") {
  ZOR::Cerror_info info;
  info.kind = kind;
  info.code = static_cast<std::int32_t>(code);
  info.operation = operation;
  info.message = message;
  return info;
}

struct Text_row {
  const char* what;
  ZOR::Cerror_info info;
  std::wstring text;
};

TEST(ErrorText, EveryKindReadsAsTheUserSeesIt) {
  const Text_row rows[] = {
      {"invalid argument", record(1, 22, L"file_open"), L"関数 file_open" + failed_in + L"\n無効なパラメータです。"},
      {"message", record(5, 0, L"file_read", L"ファイルが開かれていません。"),
       L"関数 file_read" + failed_in + L"\nファイルが開かれていません。"},
      {"empty operation", record(1, 2, L""), L"ファイルまたはディレクトリが見つかりませんでした。"},
      {"empty operation, message", record(5, 0, L"", L"パスが存在しません。"), L"パスが存在しません。"},
      {"errno 0", record(1, 0, L"fwrite"), L"関数 fwrite" + failed_in + L"\nエラー詳細を取得できませんでした。"},
      {"errno 15 unnamed", record(1, 15, L""), L"No.15"},
      {"errno 26 unnamed", record(1, 26, L""), L"No.26"},
      {"errno 43 unnamed", record(1, 43, L""), L"No.43"},
      {"errno 79 unnamed", record(1, 79, L""), L"No.79"},
      {"errno 11", record(1, 11, L""), L"No more processes or not enough memory or maximum nesting level reached"},
      {"errno 42", record(1, 42, L""), L"Illegal byte sequence"},
      {"errno 80", record(1, 80, L""), L"String was truncated"},
      {"hresult E_FAIL", record(3, 0x80004005u, L"CoCreateInstance"),
       L"関数 CoCreateInstance" + failed_in + L"\nhr = 0x80004005 (E_FAIL)"},
      {"hresult unknown", record(3, 0x12345678u, L""), L"hr = 0x12345678 (" L"???" L")"},
      {"hresult upper table row", record(3, 0x8000FFFFu, L""), L"hr = 0x8000ffff (E_UNEXPECTED)"},
      {"hresult S_FALSE", record(3, 1, L""), L"hr = 0x1 (S_FALSE)"},
      {"hresult WMI value is not an HRESULT name", record(3, 0x80041002u, L""), L"hr = 0x80041002 (" L"???" L")"},
      {"wmi first", record(4, 0x80041001u, L""), L"hr = 0x80041001 (WBEM_E_FAILED)"},
      {"wmi not found", record(4, 0x80041002u, L""), L"hr = 0x80041002 (WBEM_E_NOT_FOUND)"},
      {"wmi gap start", record(4, 0x8004104Au, L""), L"hr = 0x8004104a (" L"???" L")"},
      {"wmi before gap", record(4, 0x80041049u, L""), L"hr = 0x80041049 (WBEM_E_CANNOT_CHANGE_KEY_INHERITANCE)"},
      {"wmi after gap", record(4, 0x80041050u, L""), L"hr = 0x80041050 (WBEM_E_CANNOT_CHANGE_INDEX_INHERITANCE)"},
      {"wmi single gap", record(4, 0x8004105Eu, L""), L"hr = 0x8004105e (" L"???" L")"},
      {"wmi after single gap", record(4, 0x8004105Fu, L""), L"hr = 0x8004105f (WBEM_E_UNINTERPRETABLE_PROVIDER_QUERY)"},
      {"wmi reserved 1", record(4, 0x8004106Du, L""), L"hr = 0x8004106d (WBEM_E_RESERVED_001)"},
      {"wmi reserved 2", record(4, 0x8004106Eu, L""), L"hr = 0x8004106e (WBEM_E_RESERVED_002)"},
      {"wmi veto put", record(4, 0x8004107Au, L""), L"hr = 0x8004107a (WBEM_E_VETO_PUT)"},
      {"wmi last gap", record(4, 0x8004107Fu, L""), L"hr = 0x8004107f (" L"???" L")"},
      {"wmi invalid locale", record(4, 0x80041080u, L""), L"hr = 0x80041080 (WBEM_E_INVALID_LOCALE)"},
      {"wmi last", record(4, 0x8004108Au, L""), L"hr = 0x8004108a (WBEM_E_PROVIDER_DISABLED)"},
      {"wmi past the range", record(4, 0x8004108Bu, L""), L"hr = 0x8004108b (" L"???" L")"},
      {"wmi outside uses HRESULT names", record(4, 0x80070057u, L""), L"hr = 0x80070057 (E_INVALIDARG)"},
      {"unknown kind keeps the operation", record(9, 1, L"anything"), L"関数 anything" + failed_in},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    ZOR::set_last_error(row.info);
    EXPECT_EQ(ZOR::get_last_error_text(), row.text);
    EXPECT_EQ(ZOR::error_text(row.info), row.text);
  }
  ZOR::clear_last_error();
}

TEST(ErrorText, ErrnoTableNamesEveryCodeUpTo80) {
  const std::int32_t named[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 16, 17, 18, 19, 20,
                                21, 22, 23, 24, 25, 27, 28, 29, 30, 31, 32, 33, 34, 36, 38, 39, 40, 41, 42, 80};
  for (std::int32_t code = 0; code <= 80; ++code) {
    SCOPED_TRACE(testing::Message() << "errno " << code);
    const bool is_named = std::find(std::begin(named), std::end(named), code) != std::end(named);
    const std::wstring numbered = L"No." + std::to_wstring(code);
    if (is_named) {
      EXPECT_NE(ZOR::errno_name(code), numbered);
      EXPECT_NE(ZOR::errno_message(code), numbered);
    } else {
      EXPECT_EQ(ZOR::errno_name(code), numbered);
      EXPECT_EQ(ZOR::errno_message(code), numbered);
    }
  }
  EXPECT_EQ(ZOR::errno_name(22), L"EINVAL");
  EXPECT_EQ(ZOR::errno_name(80), L"STRUNCATE");
  EXPECT_EQ(ZOR::errno_name(0), L"0");
  EXPECT_EQ(ZOR::errno_message(13), L"アクセスが拒否されました。");
  EXPECT_EQ(ZOR::errno_message(5), L"I/O エラーです。");
}

TEST(ErrorText, ErrnoOutsideTheTableTakesTheRuntimesMessage) {
  for (int code : {100, 81, 1000, -1}) {
    SCOPED_TRACE(testing::Message() << "errno " << code);
    const std::wstring expected = ZOR::from_multibyte(std::strerror(code));
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(ZOR::errno_message(code), expected);
    ZOR::set_last_error(record(1, static_cast<std::uint32_t>(code), L""));
    EXPECT_EQ(ZOR::get_last_error_text(), expected);
  }
  ZOR::clear_last_error();
}

TEST(ErrorText, WmiRangeNamesAllButTheGaps) {
  int named = 0;
  for (std::uint32_t code = 0x80041001u; code <= 0x8004108Au; ++code) {
    SCOPED_TRACE(testing::Message() << std::hex << code);
    const bool gap = (code >= 0x8004104Au && code <= 0x8004104Fu) || code == 0x8004105Eu ||
                     (code >= 0x8004107Bu && code <= 0x8004107Fu);
    const std::wstring name = ZOR::wmi_name(code);
    if (gap) {
      EXPECT_EQ(name, L"???");
    } else {
      EXPECT_EQ(name.rfind(L"WBEM_E_", 0), 0u) << "name: " << testing::PrintToString(name);
      ++named;
    }
  }
  EXPECT_EQ(named, 126);
  EXPECT_EQ(ZOR::wmi_name(0x80041000u), L"???");
  EXPECT_EQ(ZOR::wmi_name(0), L"S_OK");
}

TEST(ErrorText, Win32TextIsThePlatformsOwn) {
  for (std::int32_t code : {2, 5, 32, 183}) {
    SCOPED_TRACE(testing::Message() << "win32 " << code);
    wchar_t buffer[1024] = {};
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        static_cast<DWORD>(code), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer,
                                        1024, nullptr);
    ASSERT_GT(length, 2u);
    std::wstring expected(buffer, length);
    ASSERT_EQ(expected.substr(expected.size() - 2), L"\r\n");
    expected.resize(expected.size() - 2);
    ZOR::set_win32_error_code(code, L"RegOpenKeyEx");
    EXPECT_EQ(ZOR::get_last_error_text(), L"関数 RegOpenKeyEx" + failed_in + L"\n" + expected);
    EXPECT_EQ(ZOR::win32_message(code), expected);
  }
  // A code the platform cannot describe leaves only the first sentence.
  ZOR::set_win32_error_code(0x2ABCDEF0, L"RegSetValueEx");
  EXPECT_EQ(ZOR::get_last_error_text(), L"関数 RegSetValueEx" + failed_in);
  ZOR::clear_last_error();
}

TEST(ErrorRecord, SettersCaptureTheirCodes) {
  ZOR::Cerror_info info;
  SetLastError(ERROR_ACCESS_DENIED);
  ZOR::set_win32_error(L"DeleteFile");
  ASSERT_TRUE(ZOR::get_last_error(info));
  EXPECT_EQ(info.kind, ZOR::Cerror_info::kind_win32);
  EXPECT_EQ(info.code, 5);
  EXPECT_EQ(info.operation, L"DeleteFile");

  errno = EACCES;
  ZOR::set_errno_error(L"fopen(\"wb\")");
  ASSERT_TRUE(ZOR::get_last_error(info));
  EXPECT_EQ(info.kind, ZOR::Cerror_info::kind_errno);
  EXPECT_EQ(info.code, 13);
  EXPECT_EQ(ZOR::get_last_error_text(), L"関数 fopen(\"wb\")" + failed_in + L"\nアクセスが拒否されました。");

  ZOR::set_invalid_argument_error(L"file_write");
  ASSERT_TRUE(ZOR::get_last_error(info));
  EXPECT_EQ(info.kind, 1);
  EXPECT_EQ(info.code, 22);

  ZOR::set_hresult_error(static_cast<std::int32_t>(0x80070005u), L"CoCreateInstance");
  ASSERT_TRUE(ZOR::get_last_error(info));
  EXPECT_EQ(info.kind, 3);
  EXPECT_EQ(ZOR::get_last_error_text(), L"関数 CoCreateInstance" + failed_in + L"\nhr = 0x80070005 (E_ACCESSDENIED)");

  ZOR::set_message_error(L"パスが存在しません。", L"SHGetFolderPath");
  ASSERT_TRUE(ZOR::get_last_error(info));
  EXPECT_EQ(info.kind, 5);
  EXPECT_EQ(info.message, L"パスが存在しません。");
  ZOR::clear_last_error();
}

TEST(ErrorRecord, OneRecordPerThreadAtMost) {
  ZOR::clear_last_error();
  ZOR::Cerror_info info;
  EXPECT_FALSE(ZOR::get_last_error(info));
  EXPECT_EQ(ZOR::get_last_error_text(), L"");

  ZOR::set_invalid_argument_error(L"file_open");
  ZOR::set_message_error(L"ファイルが開かれていません。", L"file_read");
  EXPECT_EQ(ZOR::get_last_error_text(), L"関数 file_read" + failed_in + L"\nファイルが開かれていません。");

  std::wstring other_thread_before;
  std::wstring other_thread_after;
  std::thread other([&] {
    other_thread_before = ZOR::get_last_error_text();
    ZOR::set_invalid_argument_error(L"elsewhere");
    other_thread_after = ZOR::get_last_error_text();
  });
  other.join();
  EXPECT_EQ(other_thread_before, L"");
  EXPECT_EQ(other_thread_after, L"関数 elsewhere" + failed_in + L"\n無効なパラメータです。");
  EXPECT_EQ(ZOR::get_last_error_text(), L"関数 file_read" + failed_in + L"\nファイルが開かれていません。");

  ZOR::clear_last_error();
  EXPECT_FALSE(ZOR::get_last_error(info));
  EXPECT_EQ(ZOR::get_last_error_text(), L"");
}

}  // namespace
