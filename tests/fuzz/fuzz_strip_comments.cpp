// Fuzz target: Csetting_lexer::strip_comments over the lines of any text.
#include "lib/setting/setting_lexer.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_require.h"

#include <string>
#include <vector>

using fuzz::require;

namespace {

bool is_lexer_message(const std::wstring& message) {
  return message == L"不正なエスケープ（\\）です。'\\' を使うには '\\\\' と書いて下さい。" ||
         message == L"シングルコーテーション (') 中に改行が見つかりました。" ||
         message == L"ダブルコーテーション (\") 中に改行が見つかりました。" ||
         message == L" コメント (/*) が閉じられていません。";
}

// True when part can be had from whole by dropping characters (comments are only dropped).
bool is_subsequence(const std::wstring& part, const std::wstring& whole) {
  std::size_t at = 0;
  for (wchar_t c : whole) {
    if (at < part.size() && part[at] == c) ++at;
  }
  return at == part.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::wstring> lines;
  ZOR::split_lines(fuzz::text_of(data, size), lines);
  const std::vector<std::wstring> input = lines;

  ZOR::Csetting_lexer lexer;
  if (!lexer.strip_comments(lines)) {
    require(lines == input, "a failed removal leaves the lines unchanged");
    require(lexer.error_line >= 1 && static_cast<std::size_t>(lexer.error_line) <= input.size(),
            "the error line lies inside the file");
    require(is_lexer_message(lexer.error_message), "the error is one of the lexer's messages");
    return 0;
  }
  require(lexer.error_line == -1 && lexer.error_message.empty(), "success leaves no error");
  require(lines.size() == input.size(), "a successful removal keeps the line count");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    require(is_subsequence(lines[i], input[i]), "an output line is its input line with characters dropped");
  }
  // Text without comments has nothing more to remove.
  std::vector<std::wstring> again = lines;
  require(lexer.strip_comments(again) && again == lines, "removing comments twice changes nothing");
  return 0;
}
