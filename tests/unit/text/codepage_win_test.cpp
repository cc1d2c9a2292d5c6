// ANSI code page conversions, run under the Japanese code page 932.
#include "lib/text/codepage.h"

#include "lib/log/log_splitter.h"

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

TEST(Codepage, LeadBytesAreThoseOfTheCoreRule) {
  // Chronicle's splitter takes the system's rule; the core's code page 932 rule, which the
  // native tests and fuzzers use, must be the same under code page 932.
  for (int byte = 0; byte < 256; ++byte) {
    EXPECT_EQ(ZOR::is_ansi_lead_byte(static_cast<unsigned char>(byte)),
              ZOR::is_cp932_lead_byte(static_cast<unsigned char>(byte)))
        << "byte " << byte;
  }
}

TEST(Codepage, SpanConversionKeepsWhatFollowsANulByte) {
  const std::string bytes = std::string("a\0b", 3) + ZOR::to_multibyte(L"日本");
  EXPECT_EQ(ZOR::multibyte_span_to_text(bytes.data(), bytes.size()), std::wstring(L"a\0b日本", 5));
  EXPECT_EQ(ZOR::multibyte_span_to_text(bytes.data(), 0), L"");
}

}  // namespace
