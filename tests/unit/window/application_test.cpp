// The application record and the program entry shared by every program.
#include "lib/window/application.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "lib/error/error.h"
#include "tests/support/window_testing.h"

namespace {

using Application = zor_test::Window_test;

std::wstring module_path() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

TEST_F(Application, RecordComesFromTheRunningModule) {
  const std::wstring path = module_path();
  ZOR::init_application(GetModuleHandleW(nullptr), L"/dir=\"C:\\\\x\"");
  EXPECT_EQ(ZOR::application.command_line, L"/dir=\"C:\\\\x\"");
  EXPECT_EQ(ZOR::application.program_name, L"unit_window");
  EXPECT_EQ(ZOR::application.program_folder + L"\\unit_window.exe", path);
  wchar_t current[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, current);
  EXPECT_EQ(std::wstring(current), ZOR::application.program_folder);
  wchar_t documents[MAX_PATH] = {};
  ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, documents, CSIDL_PERSONAL, FALSE));
  EXPECT_EQ(ZOR::application.documents_folder, documents);
  EXPECT_FALSE(ZOR::application.documents_folder.empty());
}

TEST_F(Application, ProgramEntryPreparesTheProcessForTheProgram) {
  std::string locale_inside;
  bool riched_loaded = false;
  HRESULT com_inside = E_FAIL;
  int runs = 0;
  const int exit_code = ZOR::run_program(GetModuleHandleW(nullptr), L"/mode=\"setup\"", [&] {
    ++runs;
    locale_inside = std::setlocale(LC_ALL, nullptr);
    riched_loaded = GetModuleHandleW(L"riched32.dll") != nullptr;
    com_inside = CoInitialize(nullptr);
    if (SUCCEEDED(com_inside)) CoUninitialize();
  });
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(exit_code, 0);
  EXPECT_EQ(runs, 1);
  EXPECT_NE(locale_inside.find("Japanese"), std::string::npos) << locale_inside;
  EXPECT_TRUE(riched_loaded);
  EXPECT_EQ(com_inside, S_FALSE) << "COM is initialised before the program runs";
  EXPECT_EQ(ZOR::application.command_line, L"/mode=\"setup\"");
  EXPECT_EQ(GetModuleHandleW(L"riched32.dll"), nullptr) << "riched32.dll is freed afterwards";
}

}  // namespace
