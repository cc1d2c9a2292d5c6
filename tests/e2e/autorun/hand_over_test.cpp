// Autorun's hand-over: Kickoff instead of Foyer, the disc's Foyer and Setup, the temporary
// copies and the failures of each step with their messages.
#include <gtest/gtest.h>

#include <functional>

#include "tests/e2e/autorun/autorun_support.h"

namespace autorun_test {
namespace {

using driver::Box_icon;

const std::string not_a_program = "MZ this is no program";

TEST(AutorunHandOver, KickoffInTheSetupDataFolderStartsInsteadOfFoyer) {
  Cdisc disc;
  Cprogram_temp temp;
  const std::wstring foyer = disc.add_program(L"Foyer.exe");
  disc.add_program(L"Setup.exe");
  const std::wstring kickoff = disc.add_program(L"Kickoff.exe");
  Cautorun autorun;
  ASSERT_TRUE(autorun.start(disc.root()));
  autorun.expect_end();
  EXPECT_EQ(wait_started_arguments(kickoff), dir_parameter(disc.setup_data()));
  EXPECT_FALSE(driver::exists(temp.copies()));
  EXPECT_FALSE(was_started(foyer));
}

TEST(AutorunHandOver, KickoffThatDoesNotStartEndsAutorunWithoutFoyer) {
  Cdisc disc;
  Cprogram_temp temp;
  const std::wstring foyer = disc.add_program(L"Foyer.exe");
  disc.add_program(L"Setup.exe");
  ASSERT_TRUE(driver::write_bytes(disc.setup_data() + L"\\Kickoff.exe", not_a_program));
  Cautorun autorun;
  ASSERT_TRUE(autorun.start(disc.root()));
  EXPECT_TRUE(autorun.expect_box(L"Kickoff.exe が起動できませんでした。\n" +
                                     win32_error_text(ERROR_BAD_EXE_FORMAT, L"ShellExecuteEx"),
                                 Box_icon::warning));
  autorun.expect_end();
  EXPECT_FALSE(driver::exists(temp.copies()));
  EXPECT_FALSE(was_started(foyer));
}

struct Failure_row {
  const char* name;
  // Prepares the disc (Foyer.exe and Setup.exe are there) and the programs' temporary folder.
  std::function<void(const Cdisc&, const Cprogram_temp&)> prepare;
  std::wstring text;
  Box_icon icon;
  bool copies_made;  // whether the copy folder exists afterwards
};

void delete_from_disc(const Cdisc& disc, const wchar_t* name) {
  EXPECT_TRUE(DeleteFileW((disc.setup_data() + L"\\" + name).c_str()));
}

TEST(AutorunHandOver, EachFailedStepEndsWithItsMessageAndStartsNothing) {
  const Failure_row rows[] = {
      {"Foyer missing", [](const Cdisc& d, const Cprogram_temp&) { delete_from_disc(d, L"Foyer.exe"); },
       L"Foyer.exe が見つかりませんでした。", Box_icon::none, false},
      {"Setup missing", [](const Cdisc& d, const Cprogram_temp&) { delete_from_disc(d, L"Setup.exe"); },
       L"Setup.exe が見つかりませんでした。", Box_icon::none, false},
      {"no setup data folder",
       [](const Cdisc& d, const Cprogram_temp&) { d.write_ini(L"#SETUP_DATA = \"Elsewhere\""); },
       L"Foyer.exe が見つかりませんでした。", Box_icon::none, false},
      // Wine refuses a TMP longer than MAX_PATH: the temporary folder has no path then.
      {"no temporary folder",
       [](const Cdisc&, const Cprogram_temp& t) {
         SetEnvironmentVariableW(L"TMP", (t.path() + L"\\" + std::wstring(300, L'x')).c_str());
       },
       L"テンポラリフォルダのパスが取得できませんでした。" + win32_error_text(ERROR_FILENAME_EXCED_RANGE, L"GetTempPath"),
       Box_icon::warning, false},
      {"copy folder taken by a file",
       [](const Cdisc&, const Cprogram_temp& t) { EXPECT_TRUE(driver::write_bytes(t.copies(), "file")); },
       L"テンポラリファイルの作成に失敗しました。\n" + win32_error_text(ERROR_ALREADY_EXISTS, L"SHCreateDirectoryEx"),
       Box_icon::warning, true},
      {"Foyer on the disc is no program",
       [](const Cdisc& d, const Cprogram_temp&) {
         EXPECT_TRUE(driver::write_bytes(d.setup_data() + L"\\Foyer.exe", not_a_program));
       },
       L"Foyer.exe が起動できませんでした。\n" + win32_error_text(ERROR_BAD_EXE_FORMAT, L"ShellExecuteEx"),
       Box_icon::warning, true},
  };
  for (const Failure_row& row : rows) {
    SCOPED_TRACE(row.name);
    Cdisc disc;
    Cprogram_temp temp;
    const std::wstring foyer = disc.add_program(L"Foyer.exe");
    disc.add_program(L"Setup.exe");
    row.prepare(disc, temp);
    Cautorun autorun;
    ASSERT_TRUE(autorun.start(disc.root()));
    EXPECT_TRUE(autorun.expect_box(row.text, row.icon));
    autorun.expect_end();
    EXPECT_EQ(driver::exists(temp.copies()), row.copies_made);
    EXPECT_FALSE(was_started(foyer));
    EXPECT_FALSE(was_started(temp.copies() + L"\\Foyer.exe"));
  }
}

TEST(AutorunHandOver, ReadOnlyCopiesOfAnEarlierRunAreReplaced) {
  Cdisc disc;
  Cprogram_temp temp;
  const std::wstring disc_foyer = disc.add_program(L"Foyer.exe");
  ASSERT_TRUE(driver::write_bytes(disc.setup_data() + L"\\Setup.exe", "this disc's Setup"));
  ASSERT_TRUE(CreateDirectoryW(temp.copies().c_str(), nullptr));
  const std::wstring foyer = temp.copies() + L"\\Foyer.exe";
  const std::wstring setup = temp.copies() + L"\\Setup.exe";
  for (const std::wstring& earlier : {foyer, setup}) {
    ASSERT_TRUE(driver::write_bytes(earlier, "an earlier run's copy"));
    ASSERT_TRUE(SetFileAttributesW(earlier.c_str(), FILE_ATTRIBUTE_READONLY));
  }
  Cautorun autorun;
  ASSERT_TRUE(autorun.start(disc.root()));
  autorun.expect_end();
  EXPECT_EQ(wait_started_arguments(foyer), dir_parameter(disc.setup_data()));
  EXPECT_EQ(driver::read_bytes(foyer), driver::read_bytes(disc_foyer));
  EXPECT_EQ(driver::read_bytes(setup), "this disc's Setup");
}

}  // namespace
}  // namespace autorun_test
