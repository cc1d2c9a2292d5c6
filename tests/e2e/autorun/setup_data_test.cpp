// Autorun.ini: the setup data folder it names (or the default), and the files Autorun
// refuses with their message and without starting anything.
#include <gtest/gtest.h>

#include "tests/e2e/autorun/autorun_support.h"

namespace autorun_test {
namespace {

using driver::Box_icon;

struct Folder_row {
  const char* name;
  // Autorun.ini's text; nullptr: no file; "<folder>": a folder of that name instead.
  const wchar_t* ini;
  std::wstring setup_data;  // the folder, relative to the disc's root
};

TEST(AutorunSetupData, FoyerCopyStartsWithTheSetupDataFolderOfAutorunIni) {
  const Folder_row rows[] = {
      {"no Autorun.ini", nullptr, L"SetupData"},
      {"Autorun.ini is a folder", L"<folder>", L"SetupData"},
      {"blank line and a nested folder", L"\n  \t\n#SETUP_DATA = \"Data\\\\Setup\"\n", L"Data\\Setup"},
      {"a later line wins, Japanese name", L"#SETUP_DATA = \"First\"\n#SETUP_DATA = \"ゲーム\"", L"ゲーム"},
  };
  for (const Folder_row& row : rows) {
    SCOPED_TRACE(row.name);
    Cdisc disc;
    Cprogram_temp temp;
    if (row.ini != nullptr && std::wstring(row.ini) == L"<folder>") {
      CreateDirectoryW((disc.root() + L"\\Autorun.ini").c_str(), nullptr);
    } else if (row.ini != nullptr) {
      disc.write_ini(row.ini);
    }
    const std::wstring disc_foyer = disc.add_program(L"Foyer.exe", row.setup_data);
    const std::wstring disc_setup = disc.add_program(L"Setup.exe", row.setup_data);
    Cautorun autorun;
    ASSERT_TRUE(autorun.start(disc.root()));
    autorun.expect_end();

    // Both copies are the disc's files; only the copy of Foyer runs, with the disc's folder.
    const std::wstring foyer = temp.copies() + L"\\Foyer.exe";
    EXPECT_EQ(wait_started_arguments(foyer), dir_parameter(disc.root() + L"\\" + row.setup_data));
    EXPECT_EQ(driver::read_bytes(foyer), driver::read_bytes(disc_foyer));
    EXPECT_EQ(driver::read_bytes(temp.copies() + L"\\Setup.exe"), driver::read_bytes(disc_setup));
    EXPECT_FALSE(was_started(disc_foyer));
    EXPECT_FALSE(was_started(disc_setup));
    EXPECT_FALSE(was_started(temp.copies() + L"\\Setup.exe"));
  }
}

struct Refused_row {
  const char* name;
  const wchar_t* ini;
  std::wstring text;
};

TEST(AutorunSetupData, AutorunIniThatCannotBeUsedEndsWithItsMessage) {
  const Refused_row rows[] = {
      {"comment line", L"#SETUP_DATA = \"SetupData\"\n// 説明\n", L"Autorun.ini の解析に失敗しました。(2行目)"},
      {"value without quotes", L"\n\n#SETUP_DATA = SetupData\n", L"Autorun.ini の解析に失敗しました。(3行目)"},
      {"held open by another program", nullptr, L"Autorun.ini が開けませんでした。"},
  };
  for (const Refused_row& row : rows) {
    SCOPED_TRACE(row.name);
    Cdisc disc;
    Cprogram_temp temp;
    const std::wstring ini = disc.write_ini(row.ini != nullptr ? row.ini : L"#SETUP_DATA = \"SetupData\"");
    // Opened without sharing, the file exists but no one else can read it.
    HANDLE held = row.ini != nullptr ? INVALID_HANDLE_VALUE
                                     : CreateFileW(ini.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(row.ini == nullptr, held != INVALID_HANDLE_VALUE);
    const std::wstring disc_foyer = disc.add_program(L"Foyer.exe");
    disc.add_program(L"Setup.exe");
    Cautorun autorun;
    ASSERT_TRUE(autorun.start(disc.root()));
    EXPECT_TRUE(autorun.expect_box(row.text, Box_icon::warning));
    autorun.expect_end();
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    EXPECT_FALSE(driver::exists(temp.copies()));
    EXPECT_FALSE(was_started(disc_foyer));
  }
}

}  // namespace
}  // namespace autorun_test
