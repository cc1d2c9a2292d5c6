// Path kinds, attributes, copying, deleting, folder creation and the documents folder.
#include "lib/file/file.h"

#include "lib/error/error.h"
#include "tests/driver/test_places.h"

#include <gtest/gtest.h>

namespace {

using driver::Ctemp_folder;
using driver::exists;

ZOR::Cerror_info last_error() {
  ZOR::Cerror_info info;
  ZOR::get_last_error(info);
  return info;
}

TEST(Folder, PathKindAndSize) {
  Ctemp_folder folder;
  const std::wstring file = folder.file(L"a.bin", std::string(300, 'x'));
  const std::wstring sub = folder.folder(L"sub");
  EXPECT_EQ(ZOR::path_kind(folder / L"missing"), -1);
  EXPECT_EQ(ZOR::path_kind(folder / L"missing\\deeper"), -1);
  EXPECT_EQ(ZOR::path_kind(sub), 0);
  EXPECT_EQ(ZOR::path_kind(sub + L"\\"), 0);
  EXPECT_EQ(ZOR::path_kind(file), 1);
  EXPECT_EQ(ZOR::file_size(file), 300u);
  EXPECT_EQ(ZOR::file_size(folder.file(L"empty")), 0u);
  EXPECT_EQ(ZOR::file_size(folder / L"missing"), 0u);
}

TEST(Folder, ReadOnlyIsSetAndCleared) {
  Ctemp_folder folder;
  const std::wstring file = folder.file(L"a.txt", "abc");
  ASSERT_TRUE(ZOR::set_read_only(file, true));
  EXPECT_TRUE(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(ZOR::delete_file(file));
  EXPECT_EQ(last_error().code, ERROR_ACCESS_DENIED);
  EXPECT_EQ(last_error().operation, L"DeleteFile");
  EXPECT_TRUE(exists(file));
  ASSERT_TRUE(ZOR::set_read_only(file, false));
  EXPECT_FALSE(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(ZOR::delete_file(file));
  EXPECT_FALSE(exists(file));

  EXPECT_FALSE(ZOR::set_read_only(folder / L"missing", true));
  EXPECT_EQ(last_error().kind, 2);
  EXPECT_EQ(last_error().operation, L"GetFileAttributes");
}

TEST(Folder, CreateDirectoryMakesMissingParents) {
  Ctemp_folder folder;
  const std::wstring deep = folder / L"a\\b\\c";
  ASSERT_TRUE(ZOR::create_directory(deep));
  EXPECT_EQ(ZOR::path_kind(folder / L"a\\b"), 0);
  EXPECT_EQ(ZOR::path_kind(deep), 0);
  // An existing folder succeeds at once (SHCreateDirectoryExW itself would refuse it).
  ZOR::clear_last_error();
  EXPECT_TRUE(ZOR::create_directory(deep));
  EXPECT_TRUE(ZOR::create_directory(folder.path()));
  EXPECT_EQ(ZOR::get_last_error_text(), L"");

  const std::wstring file = folder.file(L"plain.txt");
  EXPECT_FALSE(ZOR::create_directory(file));
  EXPECT_EQ(last_error().kind, 2);
  EXPECT_NE(last_error().code, 0);
  EXPECT_EQ(last_error().operation, L"SHCreateDirectoryEx");
  EXPECT_EQ(ZOR::path_kind(file), 1);
}

TEST(Folder, DeleteRemoveAndCopyRecordThePlatformError) {
  Ctemp_folder folder;
  EXPECT_FALSE(ZOR::delete_file(folder / L"missing.txt"));
  EXPECT_EQ(last_error().kind, 2);
  EXPECT_EQ(last_error().code, ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(last_error().operation, L"DeleteFile");

  const std::wstring sub = folder.folder(L"sub");
  const std::wstring inside = folder.file(L"sub\\x.txt", "x");
  EXPECT_FALSE(ZOR::remove_directory(sub));
  EXPECT_EQ(last_error().code, ERROR_DIR_NOT_EMPTY);
  EXPECT_EQ(last_error().operation, L"RemoveDirectory");
  EXPECT_TRUE(exists(inside));
  ASSERT_TRUE(ZOR::delete_file(inside));
  EXPECT_TRUE(ZOR::remove_directory(sub));
  EXPECT_EQ(ZOR::path_kind(sub), -1);

  const std::wstring from = folder.file(L"from.dat", "new content");
  const std::wstring to = folder.file(L"to.dat", "old");
  EXPECT_TRUE(ZOR::duplicate_file(from, to));
  EXPECT_EQ(driver::read_bytes(to), "new content");
  EXPECT_EQ(driver::read_bytes(from), "new content");
  EXPECT_FALSE(ZOR::duplicate_file(folder / L"missing.dat", to));
  EXPECT_EQ(last_error().kind, 2);
  EXPECT_EQ(last_error().code, ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(last_error().operation, L"CopyFile");
  EXPECT_EQ(driver::read_bytes(to), "new content");
}

TEST(Folder, DocumentsFolderIsAnAbsolutePath) {
  std::wstring path;
  ASSERT_TRUE(ZOR::get_documents_folder(path)) << testing::PrintToString(ZOR::get_last_error_text());
  ASSERT_GT(path.size(), 3u);
  EXPECT_EQ(path.substr(1, 2), L":\\");
  EXPECT_NE(path.back(), L'\\');
}

}  // namespace
