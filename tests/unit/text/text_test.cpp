// Path, case, replace and number helpers.
#include "lib/text/text.h"

#include <gtest/gtest.h>

namespace {

struct Path_row {
  const wchar_t* path;
  const wchar_t* file_name;
  const wchar_t* directory;
  const wchar_t* extension;
  const wchar_t* stem;
};

TEST(Text, PathHelpersOnAwkwardPaths) {
  const Path_row rows[] = {
      {L"C:\\Game\\Setup.ini", L"Setup.ini", L"C:\\Game", L"ini", L"C:\\Game\\Setup"},
      {L"Setup.ini", L"Setup.ini", L"Setup.ini", L"ini", L"Setup"},
      {L"C:\\Game\\", L"", L"C:\\Game", L"", L"C:\\Game\\"},
      {L"C:\\Game\\Setup", L"Setup", L"C:\\Game", L"", L"C:\\Game\\Setup"},
      {L"C:\\a.b\\c", L"c", L"C:\\a.b", L"", L"C:\\a.b\\c"},
      {L"x.tar.gz", L"x.tar.gz", L"x.tar.gz", L"gz", L"x.tar"},
      {L".ini", L".ini", L".ini", L"ini", L""},
      {L"a/b.c", L"a/b.c", L"a/b.c", L"c", L"a/b"},
      {L"", L"", L"", L"", L""},
      {L"\\", L"", L"", L"", L"\\"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "path row: " << testing::PrintToString(std::wstring(row.path)));
    EXPECT_EQ(ZOR::file_name_of(row.path), row.file_name);
    EXPECT_EQ(ZOR::directory_of(row.path), row.directory);
    EXPECT_EQ(ZOR::extension_of(row.path), row.extension);
    EXPECT_EQ(ZOR::strip_extension(row.path), row.stem);
  }
}

TEST(Text, CaseFoldingTouchesOnlyAscii) {
  std::wstring text = L"ABC.INI Ａｂ Zz@[`{";
  ZOR::to_lower_ascii(text);
  EXPECT_EQ(text, L"abc.ini Ａｂ zz@[`{");
  EXPECT_EQ(ZOR::lower_copy(L"SETUP.EXE"), L"setup.exe");
}

TEST(Text, ReplaceAllNeverReplacesItsOwnOutput) {
  EXPECT_EQ(ZOR::replace_all_copy(L"aa", L"a", L"aa"), L"aaaa");
  EXPECT_EQ(ZOR::replace_all_copy(L"one\ntwo\n", L"\n", L"\r\n"), L"one\r\ntwo\r\n");
  EXPECT_EQ(ZOR::replace_all_copy(L"\r\n", L"\n", L"\r\n"), L"\r\r\n");
  EXPECT_EQ(ZOR::replace_all_copy(L"aaa", L"aa", L"b"), L"ba");
  EXPECT_EQ(ZOR::replace_all_copy(L"abc", L"", L"x"), L"abc");
  EXPECT_EQ(ZOR::replace_all_copy(L"a\\b\\", L"\\", L"\\\\"), L"a\\\\b\\\\");
  std::wstring in_place = L"x-x";
  ZOR::replace_all(in_place, L"x", L"");
  EXPECT_EQ(in_place, L"-");
}

TEST(Text, NumberFormats) {
  EXPECT_EQ(ZOR::int_to_text(-5, 10), L"-5");
  EXPECT_EQ(ZOR::int_to_text(255, 16), L"0xff");
  EXPECT_EQ(ZOR::int_to_text(0, 16), L"0");
  EXPECT_EQ(ZOR::int_to_text(0), L"0");
  EXPECT_EQ(ZOR::int_to_text(-1, 16), L"0xffffffff");
  EXPECT_EQ(ZOR::int_to_text(INT32_MIN), L"-2147483648");
  EXPECT_EQ(ZOR::int_to_text(12, 8), L"12");
  EXPECT_EQ(ZOR::int64_to_text(5000000000LL), L"5000000000");
  EXPECT_EQ(ZOR::int64_to_text(INT64_MIN), L"-9223372036854775808");
  EXPECT_EQ(ZOR::int64_to_text(-1, 16), L"0xffffffffffffffff");
  EXPECT_EQ(ZOR::uint64_to_text(UINT64_MAX), L"18446744073709551615");
  EXPECT_EQ(ZOR::uint64_to_text(0, 16), L"0");
  EXPECT_EQ(ZOR::hex_text(0x80004005u), L"0x80004005");
  EXPECT_EQ(ZOR::hex_text(0), L"0");
}

}  // namespace
