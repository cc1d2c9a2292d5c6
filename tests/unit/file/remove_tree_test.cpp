// filesys_remove_directory: what it refuses, what it removes and what read-only protects.
#include "lib/file/file.h"

#include "lib/error/error.h"
#include "tests/driver/test_places.h"

#include <gtest/gtest.h>

namespace {

using driver::Ctemp_folder;
using driver::exists;

// A tree with read-only files at two levels; returns nothing, the names are fixed.
void make_tree(const Ctemp_folder& folder) {
  folder.folder(L"game");
  folder.file(L"game\\a.txt", "a");
  folder.file(L"game\\ro.txt", "r");
  folder.folder(L"game\\sub");
  folder.file(L"game\\sub\\b.txt", "b");
  folder.file(L"game\\sub\\ro2.txt", "r");
  folder.folder(L"game\\sub2");
  folder.file(L"game\\sub2\\c.txt", "c");
  folder.folder(L"game\\empty");
  SetFileAttributesW((folder / L"game\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  SetFileAttributesW((folder / L"game\\sub\\ro2.txt").c_str(), FILE_ATTRIBUTE_READONLY);
}

TEST(RemoveTree, RefusesRootsRelativeAndMissingPathsAndDeletesNothing) {
  Ctemp_folder folder;
  make_tree(folder);
  folder.folder(L"x");
  folder.folder(L"x\\y");
  const std::wstring victim = folder.file(L"x\\y\\keep.txt", "k");
  const std::wstring plain_file = folder.file(L"plain.txt", "p");
  wchar_t previous[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryW(folder.path().c_str()));
  const std::wstring drive = folder.path().substr(0, 3);  // "C:\"
  const std::wstring refused[] = {
      drive,
      drive.substr(0, 2),
      drive.substr(0, 2) + L"x\\y",
      L"x\\y",
      L"\\x\\y",
      L"",
      drive + L"..",
      drive + L".",
      drive + L"x\\..",
      drive + L"\\",
      drive + L"/",
      folder.path().substr(0, 2) + L"/" + folder.path().substr(3),
      folder / L"missing",
      plain_file,
  };
  for (const auto& path : refused) {
    SCOPED_TRACE(testing::PrintToString(path));
    // A guard that let a drive root through would empty the whole drive: stop before that.
    ASSERT_FALSE(ZOR::is_path_below_drive_root(path) && ZOR::path_kind(path) == 0);
    ZOR::clear_last_error();
    EXPECT_FALSE(ZOR::filesys_remove_directory(path, true, true, true));
    ZOR::Cerror_info info;
    ASSERT_TRUE(ZOR::get_last_error(info));
    EXPECT_EQ(info.kind, 1);
    EXPECT_EQ(info.code, 22);
    EXPECT_EQ(info.operation, L"filesys_remove_directory");
  }
  SetCurrentDirectoryW(previous);
  EXPECT_TRUE(exists(victim));
  EXPECT_TRUE(exists(plain_file));
  EXPECT_TRUE(exists(folder / L"game\\sub2\\c.txt"));
}

TEST(RemoveTree, OnlyPathsBelowADriveRootPass) {
  const std::pair<const wchar_t*, bool> rows[] = {
      {L"C:\\", false},
      {L"C:", false},
      {L"C:\\..", false},
      {L"C:\\a\\..", false},
      {L"C:\\a\\..\\", false},
      {L"C:\\.\\", false},
      {L"C:\\/", false},
      {L"C:\\\\", false},
      {L"x\\y", false},
      {L"\\\\server\\share\\x", false},
      {L"C:x\\y", false},
      {L"", false},
      {L"C:\\a", true},
      {L"C:\\a\\", true},
      {L"c:\\game\\data", true},
      {L"C:\\a\\b\\..", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.first)));
    EXPECT_EQ(ZOR::is_path_below_drive_root(row.first), row.second);
  }
}

TEST(RemoveTree, ReadOnlyFilesStayUnlessCleared) {
  Ctemp_folder folder;
  make_tree(folder);
  const std::wstring game = folder / L"game";
  // The read-only files keep game and game\sub in place; everything else goes.
  EXPECT_FALSE(ZOR::filesys_remove_directory(game, true, true, false));
  EXPECT_FALSE(exists(game + L"\\a.txt"));
  EXPECT_TRUE(exists(game + L"\\ro.txt"));
  EXPECT_FALSE(exists(game + L"\\sub\\b.txt"));
  EXPECT_TRUE(exists(game + L"\\sub\\ro2.txt"));
  EXPECT_FALSE(exists(game + L"\\sub2"));
  EXPECT_FALSE(exists(game + L"\\empty"));
  ZOR::Cerror_info info;
  ASSERT_TRUE(ZOR::get_last_error(info));
  EXPECT_EQ(info.operation, L"RemoveDirectory");
  EXPECT_EQ(info.code, ERROR_DIR_NOT_EMPTY);

  EXPECT_TRUE(ZOR::filesys_remove_directory(game, true, true, true));
  EXPECT_FALSE(exists(game));
  EXPECT_TRUE(exists(folder.path()));
}

TEST(RemoveTree, KeepsTheFoldersItIsAskedToKeep) {
  Ctemp_folder folder;
  make_tree(folder);
  const std::wstring game = folder / L"game";
  // Contents only, subfolders kept (emptied): the folder structure stays.
  EXPECT_TRUE(ZOR::filesys_remove_directory(game + L"\\", false, false, true));
  EXPECT_EQ(ZOR::path_kind(game), 0);
  EXPECT_EQ(ZOR::path_kind(game + L"\\sub"), 0);
  EXPECT_EQ(ZOR::path_kind(game + L"\\sub2"), 0);
  EXPECT_EQ(ZOR::path_kind(game + L"\\empty"), 0);
  EXPECT_FALSE(exists(game + L"\\a.txt"));
  EXPECT_FALSE(exists(game + L"\\ro.txt"));
  EXPECT_FALSE(exists(game + L"\\sub\\ro2.txt"));
  EXPECT_FALSE(exists(game + L"\\sub2\\c.txt"));

  // Subfolders too, but the folder itself stays.
  EXPECT_TRUE(ZOR::filesys_remove_directory(game, false, true, false));
  EXPECT_EQ(ZOR::path_kind(game), 0);
  ZOR::Cfile_list left;
  EXPECT_FALSE(left.list(game, L"*", L"*", true, true, true));
}

TEST(RemoveTree, ALinkedFolderIsUnlinkedNotEmptied) {
  Ctemp_folder folder;
  make_tree(folder);
  const std::wstring outside = folder.folder(L"outside");
  const std::wstring precious = folder.file(L"outside\\precious.txt", "p");
  const std::wstring link = folder / L"game\\link";
  if (!CreateSymbolicLinkW(link.c_str(), outside.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) ||
      !(GetFileAttributesW(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT)) {
    GTEST_SKIP() << "this platform cannot make a folder link here";
  }
  EXPECT_TRUE(ZOR::filesys_remove_directory(folder / L"game", true, true, true));
  EXPECT_FALSE(exists(folder / L"game"));
  EXPECT_TRUE(exists(precious));
}

}  // namespace
