// Which #SETUP_FILE entry installs a path: the one rule that the disc tool's check and its
// layout both ask, so that they cannot put a file on different discs.
#include "lib/rules/disc_entries.h"

#include <gtest/gtest.h>

namespace {

TEST(DiscEntries, TheLongestEntryHoldingThePathDecides) {
  ZOR::Csetup_ini ini;
  ini.disc_count = 2;
  ini.setup_files = {{L"data", 0}, {L"Data\\Movies\\", 1}, {L"save", 0}, {L"extra", 7}, {L"data\\movies\\a.mpg", -1}};
  const struct {
    const wchar_t* path;
    int entry;
  } rows[] = {
      {L"data", 0},
      {L"data\\map.dat", 0},
      {L"DATA\\movies\\op.mpg", 1},  // longest, case-blind, the entry's final '\' dropped
      {L"data/movies/op.mpg", 1},    // '/' separates as '\' does
      {L"data\\movies", 1},
      {L"data\\movies\\a.mpg", 1},   // an entry of no disc is never copied: it decides nothing
      {L"database.dat", -1},         // a name that only begins with an entry's
      {L"extra\\x.txt", -1},
      {L"", -1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "path " << testing::PrintToString(std::wstring(row.path)));
    EXPECT_EQ(ZOR::entry_holding(ini, row.path), row.entry);
  }
}

}  // namespace
