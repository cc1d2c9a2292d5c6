// split_lines and the comment remover: one state machine that runs across all lines.
#include "lib/setting/setting_lexer.h"

#include <climits>

namespace ZOR {

namespace {

enum class Lex_state { normal, single, single_escape, dual, dual_escape, line_comment, block };

const wchar_t bad_escape_message[] = L"不正なエスケープ（\\）です。'\\' を使うには '\\\\' と書いて下さい。";
const wchar_t open_single_message[] = L"シングルコーテーション (') 中に改行が見つかりました。";
const wchar_t open_double_message[] = L"ダブルコーテーション (\") 中に改行が見つかりました。";
const wchar_t open_block_message[] = L" コメント (/*) が閉じられていません。";

}  // namespace

void split_lines(const std::wstring& text, std::vector<std::wstring>& lines) {
  lines.clear();
  std::wstring::size_type start = 0;
  for (;;) {
    std::wstring::size_type feed = text.find(L'\n', start);
    if (feed == std::wstring::npos) break;
    lines.push_back(text.substr(start, feed - start));
    start = feed + 1;
  }
  lines.push_back(text.substr(start));
}

bool Csetting_lexer::fail(std::size_t line_index, const std::wstring& message) {
  // Line numbers are 32-bit in messages; a list longer than that cannot be loaded anyway.
  error_line = line_index < static_cast<std::size_t>(INT_MAX) ? static_cast<int>(line_index + 1) : INT_MAX;
  error_message = message;
  return false;
}

bool Csetting_lexer::strip_comments(std::vector<std::wstring>& lines) {
  error_line = -1;
  error_message.clear();
  std::vector<std::wstring> output;
  output.reserve(lines.size());
  Lex_state state = Lex_state::normal;
  std::size_t block_line = 0;  // index of the line that opened the current block comment

  for (std::size_t index = 0; index < lines.size(); ++index) {
    const std::wstring& line = lines[index];
    std::wstring kept;
    for (std::size_t i = 0; i < line.size(); ++i) {
      const wchar_t c = line[i];
      const wchar_t next = i + 1 < line.size() ? line[i + 1] : L'\0';
      switch (state) {
        case Lex_state::normal:
          if (c == L'/' && next == L'/') {
            state = Lex_state::line_comment;
          } else if (c == L'/' && next == L'*') {
            ++i;  // both characters of "/*" are dropped; "*/" is looked for after them
            block_line = index;
            state = Lex_state::block;
          } else {
            kept += c;
            if (c == L'\'') state = Lex_state::single;
            if (c == L'"') state = Lex_state::dual;
          }
          break;
        case Lex_state::single:
        case Lex_state::dual: {
          const wchar_t quote = state == Lex_state::single ? L'\'' : L'"';
          kept += c;
          if (c == quote) state = Lex_state::normal;
          if (c == L'\\') state = state == Lex_state::single ? Lex_state::single_escape : Lex_state::dual_escape;
          break;
        }
        case Lex_state::single_escape:
        case Lex_state::dual_escape: {
          const bool single = state == Lex_state::single_escape;
          if (c != L'\\' && c != (single ? L'\'' : L'"')) return fail(index, bad_escape_message);
          kept += c;
          state = single ? Lex_state::single : Lex_state::dual;
          break;
        }
        case Lex_state::line_comment:
          break;
        case Lex_state::block:
          if (c == L'*' && next == L'/') {
            ++i;
            state = Lex_state::normal;
          }
          break;
      }
    }
    // Every line, the last one included, ends in a line break.
    if (state == Lex_state::single || state == Lex_state::single_escape) return fail(index, open_single_message);
    if (state == Lex_state::dual || state == Lex_state::dual_escape) return fail(index, open_double_message);
    if (state == Lex_state::line_comment) state = Lex_state::normal;
    output.push_back(kept);
  }
  if (state == Lex_state::block) return fail(block_line, open_block_message);
  lines.swap(output);
  return true;
}

}  // namespace ZOR
