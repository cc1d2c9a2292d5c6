// The log splitter: rows of what polls read, however each poll's reading came in pieces.
#include "lib/log/log_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Code page 932 bytes: 日 93 FA, 本 96 7B, 表 95 5C (a trail byte that reads as '\').
const std::string ni = "\x93\xFA";
const std::string hon = "\x96\x7B";
const std::string hyo = "\x95\x5C";

struct Split_row {
  const char* name;
  // The polls, each the pieces in which its reading arrived.
  std::vector<std::vector<std::string>> polls;
  std::vector<std::string> rows;
};

std::vector<std::string> rows_of(const std::vector<std::vector<std::string>>& polls) {
  ZOR::Clog_splitter splitter;
  ZOR::Clog_rows rows;
  for (const auto& poll : polls) {
    for (const std::string& piece : poll) splitter.add(piece, rows);
    splitter.end_poll(rows);
  }
  std::vector<std::string> texts;
  for (std::size_t index = 0; index < rows.size(); ++index) texts.emplace_back(rows.row(index));
  return texts;
}

TEST(LogSplitter, RowsOfPollsReadInPieces) {
  const Split_row rows[] = {
      {"two lines in one read", {{"a\nb\n"}}, {"a", "b"}},
      {"a line cut between the steps of one poll is one row", {{"first li", "ne\nsec", "ond\n"}}, {"first line", "second"}},
      {"CR LF cut between its two bytes by a step", {{"a\r", "\nb\r\n"}}, {"a", "b"}},
      {"blank lines, CR LF ones too, are no rows", {{"\n\r\n", "\n", "x\n\n"}}, {"x"}},
      {"a line unfinished when the poll ends: its two parts", {{"first half"}, {" second half\n"}}, {"first half", " second half"}},
      {"a character cut by a step stays whole", {{"x" + ni.substr(0, 1), ni.substr(1) + "\n"}}, {"x" + ni}},
      {"a character cut when the poll ends waits for its trail byte",
       {{"x" + hon.substr(0, 1)}, {hon.substr(1) + "y\n"}},
       {"x", hon + "y"}},
      {"a lead byte alone at a poll's end is no row yet", {{ni.substr(0, 1)}, {ni.substr(1) + "\n"}}, {ni}},
      {"a carriage return at a poll's end waits for its line feed", {{"a\r"}, {"\nb\n"}}, {"a", "b"}},
      {"a carriage return that no line feed follows stays in the line", {{"a\r"}, {"b\n"}}, {"a", "\rb"}},
      {"a trail byte like a backslash, then a cut character",
       {{ni + hyo + ni.substr(0, 1)}, {ni.substr(1) + "\n"}},
       {ni + hyo, ni}},
      {"a lead byte before a carriage return stands alone: the carriage return waits",
       {{"a" + ni.substr(0, 1) + "\r"}, {"\nb\n"}},
       {"a" + ni.substr(0, 1), "b"}},
      {"half-width katakana are single bytes", {{"\xB1\xB2"}, {"\n"}}, {"\xB1\xB2"}},
      {"a poll that reads nothing adds nothing", {{"a"}, {}, {""}, {"\n"}}, {"a"}},
      {"a NUL byte stays in its row", {{std::string("a\0b\n", 4)}}, {std::string("a\0b", 3)}},
  };
  for (const Split_row& row : rows) EXPECT_EQ(rows_of(row.polls), row.rows) << row.name;
}

TEST(LogSplitter, ResetForgetsTheUnfinishedLine) {
  ZOR::Clog_splitter splitter;
  ZOR::Clog_rows rows;
  splitter.add("old" + ni.substr(0, 1), rows);
  splitter.end_poll(rows);
  splitter.reset();
  splitter.add("new\n", rows);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows.row(0), "old");
  EXPECT_EQ(rows.row(1), "new");
}

}  // namespace
