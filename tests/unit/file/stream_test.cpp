// Stream files and Cfile: results, sizes, bytes on disc and the failure records.
#include "lib/file/file.h"

#include "lib/error/error.h"
#include "tests/driver/test_places.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using driver::Ctemp_folder;

const std::wstring failed_in = L" においてエラーが発生しました。";

ZOR::Cerror_info last_error() {
  ZOR::Cerror_info info;
  ZOR::get_last_error(info);
  return info;
}

TEST(Stream, NoHandleIsReportedByEveryOperation) {
  char buffer[4] = {};
  ZOR::set_invalid_argument_error(L"older");
  EXPECT_EQ(ZOR::file_read(buffer, 4, nullptr), 0);
  EXPECT_EQ(ZOR::get_last_error_text(), L"関数 file_read" + failed_in + L"\nファイルが開かれていません。");

  EXPECT_EQ(ZOR::file_write(buffer, 4, nullptr), 0);
  EXPECT_EQ(ZOR::get_last_error_text(), L"関数 file_write" + failed_in + L"\nファイルが開かれていません。");

  EXPECT_FALSE(ZOR::file_seek(nullptr, SEEK_SET));
  EXPECT_EQ(ZOR::get_last_error_text(), L"関数 file_seek" + failed_in + L"\nファイルが開かれていません。");

  EXPECT_EQ(ZOR::file_tell(nullptr), 0);
  EXPECT_EQ(ZOR::get_last_error_text(), L"関数 file_tell" + failed_in + L"\nファイルが開かれていません。");

  FILE* none = nullptr;
  ZOR::clear_last_error();
  EXPECT_TRUE(ZOR::file_close(none));
  EXPECT_EQ(ZOR::get_last_error_text(), L"");
}

TEST(Stream, BadArgumentsAreInvalidParameters) {
  Ctemp_folder folder;
  FILE* handle = nullptr;
  EXPECT_FALSE(ZOR::file_open(handle, folder / L"a.bin", nullptr));
  EXPECT_EQ(handle, nullptr);
  EXPECT_EQ(ZOR::get_last_error_text(), L"関数 file_open" + failed_in + L"\n無効なパラメータです。");

  ASSERT_TRUE(ZOR::file_open(handle, folder / L"a.bin", L"wb"));
  char buffer[4] = {};
  EXPECT_EQ(ZOR::file_write(nullptr, 4, handle), 0);
  EXPECT_EQ(ZOR::get_last_error_text(), L"関数 file_write" + failed_in + L"\n無効なパラメータです。");
  EXPECT_EQ(ZOR::file_write(buffer, -1, handle), 0);
  EXPECT_EQ(last_error().operation, L"file_write");
  EXPECT_EQ(ZOR::file_read(nullptr, 4, handle), 0);
  EXPECT_EQ(ZOR::get_last_error_text(), L"関数 file_read" + failed_in + L"\n無効なパラメータです。");
  EXPECT_EQ(ZOR::file_read(buffer, -5, handle), 0);
  EXPECT_EQ(last_error().code, 22);
  EXPECT_FALSE(ZOR::file_seek(handle, 7));
  EXPECT_EQ(last_error().operation, L"file_seek");
  EXPECT_TRUE(ZOR::file_close(handle));
  EXPECT_EQ(handle, nullptr);
}

TEST(Stream, OpenFailuresNameTheModeAndErrno) {
  Ctemp_folder folder;
  FILE* handle = nullptr;
  EXPECT_FALSE(ZOR::file_open(handle, folder / L"missing.ini", L"rt"));
  EXPECT_EQ(handle, nullptr);
  ZOR::Cerror_info info = last_error();
  EXPECT_EQ(info.kind, 1);
  EXPECT_EQ(info.code, 2);
  EXPECT_EQ(info.operation, L"fopen(\"rt\")");
  EXPECT_EQ(ZOR::get_last_error_text(),
            L"関数 fopen(\"rt\")" + failed_in + L"\nファイルまたはディレクトリが見つかりませんでした。");

  // A read-only file cannot be opened for writing (the tests run unprivileged).
  const std::wstring locked = folder.file(L"locked.ini", "x");
  ASSERT_TRUE(ZOR::set_read_only(locked, true));
  EXPECT_FALSE(ZOR::file_open(handle, locked, L"wb"));
  info = last_error();
  EXPECT_EQ(info.code, 13);
  EXPECT_EQ(info.operation, L"fopen(\"wb\")");
  EXPECT_EQ(driver::read_bytes(locked), "x");
}

TEST(Stream, ReadWriteSeekTellRoundTrip) {
  Ctemp_folder folder;
  const std::wstring path = folder / L"日本語.bin";
  FILE* handle = nullptr;
  ASSERT_TRUE(ZOR::file_open(handle, path, L"wb"));
  EXPECT_EQ(ZOR::file_write("abc\0def", 7, handle), 7);
  EXPECT_EQ(ZOR::file_tell(handle), 7);
  EXPECT_TRUE(ZOR::file_close(handle));
  EXPECT_EQ(driver::read_bytes(path), std::string("abc\0def", 7));

  ASSERT_TRUE(ZOR::file_open(handle, path, L"rb"));
  EXPECT_TRUE(ZOR::file_seek(handle, SEEK_END));
  EXPECT_EQ(ZOR::file_tell(handle), 7);
  EXPECT_TRUE(ZOR::file_seek(handle, SEEK_SET));
  char buffer[16] = {};
  ZOR::set_invalid_argument_error(L"older");
  // Asking for more than is there gives what is there, and the end of file is no error.
  EXPECT_EQ(ZOR::file_read(buffer, 16, handle), 7);
  EXPECT_EQ(std::string(buffer, 7), std::string("abc\0def", 7));
  EXPECT_EQ(ZOR::get_last_error_text(), L"");
  EXPECT_EQ(ZOR::file_read(buffer, 16, handle), 0);
  EXPECT_EQ(ZOR::get_last_error_text(), L"");
  EXPECT_TRUE(ZOR::file_close(handle));
}

TEST(Cfile, SizeIsMeasuredAtOpenAndReadingStartsAtTheBeginning) {
  Ctemp_folder folder;
  const std::wstring empty = folder.file(L"empty.txt");
  const std::wstring ten = folder.file(L"ten.txt", "0123456789");

  ZOR::Cfile file;
  ASSERT_TRUE(file.open(empty, L"rb"));
  EXPECT_EQ(file.size, 0);
  char buffer[16] = {};
  EXPECT_EQ(ZOR::file_read(buffer, 16, file.handle), 0);

  ZOR::set_invalid_argument_error(L"older");
  ASSERT_TRUE(file.open(ten, L"rt"));
  EXPECT_EQ(ZOR::get_last_error_text(), L"");
  EXPECT_EQ(file.size, 10);
  EXPECT_EQ(ZOR::file_read(buffer, 16, file.handle), 10);
  EXPECT_EQ(std::string(buffer, 10), "0123456789");

  // A failed open leaves no file open and no size.
  EXPECT_FALSE(file.open(folder / L"missing.txt", L"rb"));
  EXPECT_EQ(file.handle, nullptr);
  EXPECT_EQ(file.size, 0);
  EXPECT_EQ(last_error().operation, L"fopen(\"rb\")");
  EXPECT_TRUE(file.close());
}

TEST(Cfile, OpeningAgainClosesThePreviousFile) {
  Ctemp_folder folder;
  const std::wstring first = folder.file(L"first.txt", "1");
  const std::wstring second = folder.file(L"second.txt", "22");
  {
    ZOR::Cfile file;
    ASSERT_TRUE(file.open(first, L"rb"));
    // While open, the C runtime's stream does not share deletion.
    EXPECT_FALSE(DeleteFileW(first.c_str()));
    ASSERT_TRUE(file.open(second, L"rb"));
    EXPECT_EQ(file.size, 2);
    EXPECT_TRUE(DeleteFileW(first.c_str()));
    EXPECT_FALSE(DeleteFileW(second.c_str()));
  }
  // Destroying the object closed the second one.
  EXPECT_TRUE(DeleteFileW(second.c_str()));
}

TEST(Cfile, WriteTextWritesAnsiBytesWithoutTerminator) {
  Ctemp_folder folder;
  const std::wstring path = folder / L"system.ini";
  {
    ZOR::Cfile file;
    ASSERT_TRUE(file.open(path, L"wb"));
    EXPECT_TRUE(file.write_text(L"日本"));
    EXPECT_TRUE(file.write_text(L""));
    EXPECT_TRUE(file.write_text(L"A=1\r\n"));
  }
  EXPECT_EQ(driver::read_bytes(path), "\x93\xFA\x96\x7B" "A=1\r\n");

  ZOR::Cfile closed;
  EXPECT_FALSE(closed.write_text(L"x"));
  EXPECT_EQ(ZOR::get_last_error_text(), L"関数 file_write" + failed_in + L"\nファイルが開かれていません。");
}

}  // namespace
