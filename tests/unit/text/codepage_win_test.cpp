// ANSI code page conversions, run under the Japanese code page 932.
#include "lib/text/codepage.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(Codepage, RunsUnderCodePage932) { ASSERT_EQ(GetACP(), 932u); }

TEST(Codepage, JapaneseRoundTrip) {
  EXPECT_EQ(ZOR::to_multibyte(L"日本"), std::string("\x93\xFA\x96\x7B"));
  const std::wstring title = L"ゲーム・タイトル ＡＢＣ 123 表示";  // 表 has 0x5C as trail byte
  std::string bytes = ZOR::to_multibyte(title);
  EXPECT_NE(bytes.find('\x5C'), std::string::npos);
  EXPECT_EQ(ZOR::from_multibyte(bytes), title);
  EXPECT_EQ(ZOR::bytes_to_text(bytes.data(), static_cast<long long>(bytes.size())), title);
}

TEST(Codepage, EmptyAndNulStopTheConversion) {
  EXPECT_EQ(ZOR::to_multibyte(L""), "");
  EXPECT_EQ(ZOR::from_multibyte(""), L"");
  EXPECT_EQ(ZOR::to_multibyte(std::wstring(L"ab\0cd", 5)), "ab");
  EXPECT_EQ(ZOR::from_multibyte(std::string("\x93\xFA\0\x96\x7B", 5)), L"日");
  EXPECT_EQ(ZOR::bytes_to_text("abc", 0), L"");
  EXPECT_EQ(ZOR::bytes_to_text("abc", -3), L"");
  EXPECT_EQ(ZOR::bytes_to_text("abcdef", 2), L"ab");
}

}  // namespace
