// Cfile_list: filters, recursion, order of entries and the size total.
#include "lib/file/file.h"

#include "lib/error/error.h"
#include "tests/driver/test_places.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

using driver::Ctemp_folder;

// A small disc-like tree; sizes are distinct so that totals show which files counted.
void make_tree(const Ctemp_folder& folder) {
  folder.file(L"SETUP.INI", std::string(1, 'a'));
  folder.file(L"Setup.txt", std::string(2, 'b'));
  folder.file(L"game.EXE", std::string(4, 'c'));
  folder.file(L"data", std::string(8, 'd'));
  folder.folder(L"sub");
  folder.file(L"sub\\Setup.ini", std::string(16, 'e'));
  folder.folder(L"sub\\deep");
  folder.file(L"sub\\deep\\x.exe", std::string(32, 'f'));
  folder.folder(L"empty");
}

std::map<std::wstring, ZOR::Cfile_entry> by_path(const ZOR::Cfile_list& list) {
  std::map<std::wstring, ZOR::Cfile_entry> entries;
  for (const auto& entry : list.entries) entries[entry.path] = entry;
  return entries;
}

size_t position_of(const ZOR::Cfile_list& list, const std::wstring& path) {
  for (size_t i = 0; i < list.entries.size(); ++i) {
    if (list.entries[i].path == path) return i;
  }
  return list.entries.size();
}

struct List_row {
  const char* what;
  const wchar_t* name_filter;
  const wchar_t* extension_filter;
  bool recurse;
  bool with_files;
  bool with_folders;
  std::vector<std::wstring> paths;  // sorted
  std::uint64_t total_size;
};

TEST(FileList, FiltersRecursionAndTotals) {
  Ctemp_folder folder;
  make_tree(folder);
  const List_row rows[] = {
      {"name and extension, folded", L"Setup", L"ini", true, true, false, {L"SETUP.INI"}, 63},
      {"upper-case filters", L"SETUP", L"INI", true, true, false, {L"SETUP.INI"}, 63},
      {"relative path matters", L"sub\\setup", L"ini", true, true, false, {L"sub\\Setup.ini"}, 63},
      {"extension only", L"*", L"exe", true, true, false, {L"game.EXE", L"sub\\deep\\x.exe"}, 63},
      {"no recursion", L"*", L"exe", false, true, false, {L"game.EXE"}, 15},
      {"name only", L"setup", L"*", false, true, false, {L"SETUP.INI", L"Setup.txt"}, 15},
      {"file without extension", L"data", L"*", false, true, false, {L"data"}, 15},
      {"empty extension filter", L"*", L"", false, true, false, {L"data"}, 15},
      {"folders only", L"*", L"*", true, false, true, {L"empty", L"sub", L"sub\\deep"}, 63},
      {"nothing matches", L"nothing", L"*", true, true, false, {}, 63},
      {"everything",
       L"*",
       L"*",
       true,
       true,
       true,
       {L"SETUP.INI", L"Setup.txt", L"data", L"empty", L"game.EXE", L"sub", L"sub\\Setup.ini", L"sub\\deep",
        L"sub\\deep\\x.exe"},
       63},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    ZOR::Cfile_list list;
    const bool listed =
        list.list(folder.path(), row.name_filter, row.extension_filter, row.recurse, row.with_files, row.with_folders);
    std::vector<std::wstring> paths;
    for (const auto& entry : list.entries) paths.push_back(entry.path);
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(paths, row.paths);
    EXPECT_EQ(listed, !row.paths.empty());
    EXPECT_EQ(list.total_size, row.total_size);
    EXPECT_EQ(list.base, folder.path() + L"\\");
  }
}

TEST(FileList, EntriesCarryKindAndSizeAndFoldersComeFirst) {
  Ctemp_folder folder;
  make_tree(folder);
  ZOR::Cfile_list list;
  ASSERT_TRUE(list.list(folder.path() + L"\\", L"*", L"*", true, true, true));
  EXPECT_EQ(list.base, folder.path() + L"\\");
  EXPECT_EQ(list.name_filter, L"*");
  auto entries = by_path(list);
  EXPECT_TRUE(entries[L"sub"].is_folder);
  EXPECT_EQ(entries[L"sub"].size, 0u);
  EXPECT_FALSE(entries[L"sub\\deep\\x.exe"].is_folder);
  EXPECT_EQ(entries[L"sub\\deep\\x.exe"].size, 32u);
  EXPECT_EQ(entries[L"SETUP.INI"].size, 1u);
  EXPECT_LT(position_of(list, L"sub"), position_of(list, L"sub\\Setup.ini"));
  EXPECT_LT(position_of(list, L"sub"), position_of(list, L"sub\\deep"));
  EXPECT_LT(position_of(list, L"sub\\deep"), position_of(list, L"sub\\deep\\x.exe"));
  for (const auto& entry : list.entries) {
    EXPECT_EQ(ZOR::path_kind(list.base + entry.path), entry.is_folder ? 0 : 1) << testing::PrintToString(entry.path);
  }
}

TEST(FileList, ListingAgainKeepsAddingToTheTotalButReplacesEntries) {
  Ctemp_folder folder;
  make_tree(folder);
  ZOR::Cfile_list list;
  EXPECT_TRUE(list.list(folder.path(), L"Setup", L"INI", false, true, false));
  EXPECT_EQ(list.name_filter, L"setup");
  EXPECT_EQ(list.extension_filter, L"ini");
  EXPECT_EQ(list.total_size, 15u);
  EXPECT_TRUE(list.list(folder / L"sub", L"*", L"*", false, true, false));
  EXPECT_EQ(list.entries.size(), 1u);
  EXPECT_EQ(list.entries[0].path, L"Setup.ini");
  EXPECT_EQ(list.total_size, 31u);
}

TEST(FileList, AMissingFolderListsNothingAndIsNoError) {
  Ctemp_folder folder;
  ZOR::Cfile_list list;
  ZOR::clear_last_error();
  EXPECT_FALSE(list.list(folder / L"missing", L"*", L"*", true, true, true));
  EXPECT_TRUE(list.entries.empty());
  EXPECT_EQ(list.total_size, 0u);
  EXPECT_EQ(ZOR::get_last_error_text(), L"");
  EXPECT_FALSE(list.list(folder.path(), L"*", L"*", true, true, true));
}

}  // namespace
