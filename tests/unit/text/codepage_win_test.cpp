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

TEST(Codepage, WholeLengthHoldsBackACutDoubleByteCharacter) {
  const std::string ni = ZOR::to_multibyte(L"日");  // 93 FA
  const std::string hyo = ZOR::to_multibyte(L"表");  // 95 5C: a trail byte that reads as '\\'
  const struct {
    const char* name;
    std::string bytes;
    std::size_t whole;
  } rows[] = {
      {"empty", "", 0},
      {"ASCII", "abc\n", 4},
      {"whole character", "a" + ni, 3},
      {"lead byte alone at the end", "a" + ni.substr(0, 1), 1},
      {"lead byte alone", ni.substr(0, 1), 0},
      {"trail byte like a backslash", hyo + "\\", 3},
      {"half-width katakana (single bytes)", "\xB1\xB2", 2},
      {"characters then a cut one", ni + hyo + ni.substr(0, 1), 4},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ZOR::whole_multibyte_length(row.bytes.data(), row.bytes.size()), row.whole) << row.name;
  }
}

TEST(Codepage, SpanConversionKeepsWhatFollowsANulByte) {
  const std::string bytes = std::string("a\0b", 3) + ZOR::to_multibyte(L"日本");
  EXPECT_EQ(ZOR::multibyte_span_to_text(bytes.data(), bytes.size()), std::wstring(L"a\0b日本", 5));
  EXPECT_EQ(ZOR::multibyte_span_to_text(bytes.data(), 0), L"");
}

}  // namespace
