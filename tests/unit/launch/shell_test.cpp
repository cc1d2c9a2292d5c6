// Opening documents with their program: the command line built for it, the texts recorded
// when the shell finds none, and shell_open on a program.
#include "lib/launch/shell.h"

#include <gtest/gtest.h>

#include "lib/error/error.h"
#include "tests/driver/driver.h"

namespace {

TEST(AssociatedProgram, CommandLineQuotesTheDocumentAndAProgramWithBlanks) {
  struct Row {
    const wchar_t* program;
    const wchar_t* document;
    const wchar_t* command_line;
  };
  const Row rows[] = {
      {L"C:\\Browser\\browser.exe", L"C:\\Game\\manual.html", L"C:\\Browser\\browser.exe \"C:\\Game\\manual.html\""},
      {L"C:\\Program Files\\Browser\\browser.exe", L"C:\\My Game\\説明書.htm",
       L"\"C:\\Program Files\\Browser\\browser.exe\" \"C:\\My Game\\説明書.htm\""},
      {L"\"C:\\Program Files\\b.exe\"", L"d.html", L"\"C:\\Program Files\\b.exe\" \"d.html\""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ZOR::associated_program_command_line(row.program, row.document), row.command_line)
        << "program " << testing::PrintToString(std::wstring(row.program));
  }
}

// The record that open_with_associated_program leaves for document.
ZOR::Cerror_info failure_of(const std::wstring& document) {
  ZOR::clear_last_error();
  EXPECT_FALSE(ZOR::open_with_associated_program(document));
  ZOR::Cerror_info error;
  EXPECT_TRUE(ZOR::get_last_error(error));
  return error;
}

TEST(AssociatedProgram, MissingFileAndUnregisteredTypeAreRecorded) {
  driver::Ctemp_folder folder;
  struct Row {
    std::wstring document;
    const wchar_t* message;
  };
  const Row rows[] = {
      {folder / L"missing.html", L"The specified file was not found."},
      {folder.file(L"manual.zornoassoc", "<html></html>"), L"There is no association for the specified file type."},
  };
  for (const Row& row : rows) {
    const ZOR::Cerror_info error = failure_of(row.document);
    EXPECT_EQ(error.kind, ZOR::Cerror_info::kind_message) << testing::PrintToString(row.document);
    EXPECT_EQ(error.operation, L"FindExecutable");
    EXPECT_EQ(error.message, row.message);
    EXPECT_EQ(ZOR::error_text(error), L"関数 FindExecutable においてエラーが発生しました。\n" + std::wstring(row.message));
  }
}

TEST(ShellOpen, StartsAProgramWithoutParameters) {
  driver::Ctemp_folder folder;
  const std::wstring program = folder / L"Manual Viewer.exe";
  ASSERT_TRUE(driver::install_recorder(program));
  ASSERT_TRUE(ZOR::shell_open(program));
  ASSERT_TRUE(driver::wait_for_lines(driver::start_record_path(program), 1));
  const auto records = driver::read_start_records(program);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].program, program);
  EXPECT_EQ(records[0].command_line.find(L"/"), std::wstring::npos) << "no parameters expected";
}

}  // namespace
