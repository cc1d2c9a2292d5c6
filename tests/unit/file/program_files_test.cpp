// The Program Files folder and its default when the platform cannot name it.
#include "lib/file/program_files.h"

#include <shlobj.h>

#include <gtest/gtest.h>

namespace {

TEST(ProgramFiles, ProgramFilesOrTheSystemDrivesDefault) {
  const struct {
    HRESULT result;
    std::wstring answer;
    std::wstring expected;
  } rows[] = {
      {S_OK, L"D:\\Programs", L"D:\\Programs"},
      {S_FALSE, L"D:\\Programs", L"D:\\Programs"},
      {E_FAIL, L"D:\\Programs", L"C:\\Program Files"},
      {E_INVALIDARG, L"", L"C:\\Program Files"},
      {S_OK, L"", L"C:\\Program Files"},
  };
  int row = 0;
  for (const auto& r : rows) {
    ++row;
    EXPECT_EQ(ZOR::program_files_or_default(r.result, r.answer, L"C:\\"), r.expected) << "row " << row;
  }
}

TEST(ProgramFiles, ProgramFilesIsThePlatformsAnswer) {
  wchar_t path[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, path), S_OK);
  EXPECT_EQ(ZOR::program_files_folder(), path);
}

}  // namespace
