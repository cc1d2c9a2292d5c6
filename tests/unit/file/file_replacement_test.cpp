// Cfile_replacement: the target is either its old self or the whole new version, and the
// new file never stays behind.
#include "lib/file/file_replacement.h"

#include "lib/error/error.h"
#include "tests/driver/sample_disc.h"
#include "tests/driver/test_places.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using driver::Ctemp_folder;
using driver::read_bytes;

ZOR::Cerror_info last_error() {
  ZOR::Cerror_info info;
  ZOR::get_last_error(info);
  return info;
}

TEST(File_replacement, CommitPutsTheWholeNewVersionInPlace) {
  Ctemp_folder folder;
  const std::wstring target = folder.file(L"system.ini", "old contents that are longer");
  {
    ZOR::Cfile_replacement replacement(target);
    ASSERT_TRUE(replacement.open(L"wt"));
    ASSERT_TRUE(replacement.file.write_text(L"#A = 1\n#B = 日本"));
    EXPECT_EQ(read_bytes(target), "old contents that are longer") << "the target is untouched until the commit";
    EXPECT_EQ(driver::tree_of(folder.path()).size(), 2u) << "the new file lies beside the target";
    ASSERT_TRUE(replacement.commit());
  }
  EXPECT_EQ(read_bytes(target), "#A = 1\r\n#B = \x93\xfa\x96\x7b");
  EXPECT_EQ(driver::tree_of(folder.path()), std::set<std::wstring>{L"system.ini"});

  // A target that does not exist yet is created.
  const std::wstring fresh = folder / L"fresh.bin";
  ZOR::Cfile_replacement replacement(fresh);
  ASSERT_TRUE(replacement.open(L"wb"));
  ASSERT_TRUE(replacement.file.write_text(L"a\nb"));
  ASSERT_TRUE(replacement.commit());
  EXPECT_EQ(read_bytes(fresh), "a\nb");
}

TEST(File_replacement, WithoutCommitNothingChangesAndNothingStays) {
  Ctemp_folder folder;
  const std::wstring target = folder.file(L"system.ini", "old");
  {
    ZOR::Cfile_replacement replacement(target);
    ASSERT_TRUE(replacement.open(L"wt"));
    ASSERT_TRUE(replacement.file.write_text(L"new"));
  }
  EXPECT_EQ(read_bytes(target), "old");
  EXPECT_EQ(driver::tree_of(folder.path()), std::set<std::wstring>{L"system.ini"});

  // The new file that an ended process left behind is taken over by the next replacement.
  folder.file(L"system.ini.new", "left by a killed save");
  {
    ZOR::Cfile_replacement replacement(target);
    ASSERT_TRUE(replacement.open(L"wb"));
    ASSERT_TRUE(replacement.file.write_text(L"whole"));
    ASSERT_TRUE(replacement.commit());
  }
  EXPECT_EQ(read_bytes(target), "whole");
  EXPECT_EQ(driver::tree_of(folder.path()), std::set<std::wstring>{L"system.ini"});

  ZOR::Cfile_replacement unopened(target);
  EXPECT_FALSE(unopened.commit());
  EXPECT_EQ(last_error().operation, L"file_write");
  EXPECT_EQ(read_bytes(target), "whole");
}

TEST(File_replacement, FailuresKeepTheTargetAndTheirRecord) {
  Ctemp_folder folder;
  // A read-only target cannot be replaced: the move fails and the new file goes.
  const std::wstring target = folder.file(L"system.ini", "kept");
  ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
  {
    ZOR::Cfile_replacement replacement(target);
    ASSERT_TRUE(replacement.open(L"wt"));
    ASSERT_TRUE(replacement.file.write_text(L"lost"));
    EXPECT_FALSE(replacement.commit());
    EXPECT_EQ(last_error().kind, ZOR::Cerror_info::kind_win32);
    EXPECT_EQ(last_error().code, ERROR_ACCESS_DENIED);
    EXPECT_EQ(last_error().operation, L"MoveFileEx");
    EXPECT_EQ(driver::tree_of(folder.path()), std::set<std::wstring>{L"system.ini"});
  }
  EXPECT_EQ(read_bytes(target), "kept");
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);

  // No folder, no new file.
  ZOR::Cfile_replacement nowhere(folder / L"missing\\system.ini");
  EXPECT_FALSE(nowhere.open(L"wt"));
  EXPECT_EQ(last_error().kind, ZOR::Cerror_info::kind_errno);
  EXPECT_EQ(last_error().operation, L"fopen(\"wt\")");
}

}  // namespace
