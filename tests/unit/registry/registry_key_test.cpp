// Registry keys against Wine's real HKEY_LOCAL_MACHINE; every test works below its own key.
#include "lib/registry/registry_key.h"

#include <gtest/gtest.h>

#include "lib/error/error.h"
#include "tests/driver/test_places.h"

namespace {

const HKEY root = HKEY_LOCAL_MACHINE;

// Checks that the thread's last error is the platform status under operation, and that
// the user reads it as the library words every failed function.
void expect_recorded(const wchar_t* operation, LSTATUS status) {
  ZOR::Cerror_info info;
  ASSERT_TRUE(ZOR::get_last_error(info)) << "nothing recorded";
  EXPECT_EQ(info.kind, ZOR::Cerror_info::kind_win32);
  EXPECT_EQ(info.code, status);
  EXPECT_EQ(info.operation, operation);
  EXPECT_EQ(ZOR::get_last_error_text(), L"関数 " + std::wstring(operation) +
                                            L" においてエラーが発生しました。\n" +
                                            ZOR::win32_message(status));
}

TEST(RegistryKey, StoredValuesReadBackWithoutTheirTerminator) {
  driver::Ctest_registry_key test_key;
  const std::wstring rows[] = {
      L"",
      L"x",
      L"C:\\Program Files\\ゲーム\\",
      L"末尾に空白 ",
      std::wstring(511, L'あ'),
  };
  for (const auto& stored : rows) {
    SCOPED_TRACE(testing::Message() << "value of " << stored.size() << " characters: "
                                    << testing::PrintToString(stored.substr(0, 20)));
    ASSERT_TRUE(ZOR::set_string_value(root, test_key.path(), L"exe_dir", stored))
        << ZOR::get_last_error_text();
    std::wstring read = L"before";
    ASSERT_TRUE(ZOR::query_string_value(root, test_key.path(), L"exe_dir", read))
        << ZOR::get_last_error_text();
    EXPECT_EQ(read, stored);
  }
  // The default value of a key has the empty name.
  ASSERT_TRUE(ZOR::set_string_value(root, test_key.path(), L"", L"既定"));
  std::wstring read;
  ASSERT_TRUE(ZOR::query_string_value(root, test_key.path(), L"", read));
  EXPECT_EQ(read, L"既定");
}

TEST(RegistryKey, QueryFailuresLeaveTheValueAlone) {
  driver::Ctest_registry_key test_key;
  std::wstring read = L"unchanged";

  ZOR::clear_last_error();
  EXPECT_FALSE(ZOR::query_string_value(root, test_key.path(), L"exe_dir", read));
  expect_recorded(L"RegOpenKeyEx", ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(read, L"unchanged");

  ASSERT_TRUE(ZOR::set_string_value(root, test_key.path(), L"exe_dir", std::wstring(512, L'a')));
  EXPECT_FALSE(ZOR::query_string_value(root, test_key.path(), L"exe_dir", read));
  expect_recorded(L"RegQueryValueEx", ERROR_MORE_DATA);
  EXPECT_EQ(read, L"unchanged");

  EXPECT_FALSE(ZOR::query_string_value(root, test_key.path(), L"dat_dir", read));
  expect_recorded(L"RegQueryValueEx", ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(read, L"unchanged");
}

TEST(RegistryKey, ValueStoredWithoutTerminatorKeepsItsLastCharacter) {
  driver::Ctest_registry_key test_key;
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(root, test_key.path().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  const std::wstring stored = L"D:\\ゲーム";
  const LSTATUS status = RegSetValueExW(key, L"setup_dir", 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(stored.c_str()),
                                        static_cast<DWORD>(stored.size() * sizeof(wchar_t)));
  RegCloseKey(key);
  ASSERT_EQ(status, ERROR_SUCCESS);
  std::wstring read;
  ASSERT_TRUE(ZOR::query_string_value(root, test_key.path(), L"setup_dir", read));
  EXPECT_EQ(read, stored);
}

TEST(RegistryKey, SettingCreatesEveryMissingKeyAlongThePath) {
  driver::Ctest_registry_key test_key;
  const std::wstring deep = test_key.path() + L"\\メーカー\\Game\\Sub";
  ASSERT_FALSE(ZOR::key_exists(root, test_key.path()));
  ASSERT_TRUE(ZOR::set_string_value(root, deep, L"dat_setup", L"1")) << ZOR::get_last_error_text();
  EXPECT_TRUE(ZOR::key_exists(root, test_key.path()));
  EXPECT_TRUE(ZOR::key_exists(root, test_key.path() + L"\\メーカー"));
  EXPECT_TRUE(ZOR::key_exists(root, test_key.path() + L"\\メーカー\\Game"));
  std::wstring read;
  ASSERT_TRUE(ZOR::query_string_value(root, deep, L"dat_setup", read));
  EXPECT_EQ(read, L"1");
}

TEST(RegistryKey, MissingKeysAndFailedCreationAreRecorded) {
  driver::Ctest_registry_key test_key;
  ZOR::clear_last_error();
  EXPECT_FALSE(ZOR::key_exists(root, test_key.path()));
  expect_recorded(L"RegOpenKeyEx", ERROR_FILE_NOT_FOUND);

  ZOR::clear_last_error();
  EXPECT_FALSE(ZOR::delete_key(root, test_key.path()));
  expect_recorded(L"RegOpenKeyEx", ERROR_FILE_NOT_FOUND);

  ZOR::clear_last_error();
  EXPECT_EQ(ZOR::key_has_subkeys(root, test_key.path()), -1);
  expect_recorded(L"RegOpenKeyEx", ERROR_FILE_NOT_FOUND);

  // A key name longer than 255 characters cannot be created.
  const std::wstring too_long = test_key.path() + L"\\" + std::wstring(300, L'k');
  ZOR::clear_last_error();
  EXPECT_FALSE(ZOR::set_string_value(root, too_long, L"exe_dir", L"x"));
  ZOR::Cerror_info info;
  ASSERT_TRUE(ZOR::get_last_error(info));
  EXPECT_EQ(info.operation, L"RegCreateKeyEx");
  EXPECT_NE(info.code, ERROR_SUCCESS);
}

TEST(RegistryKey, FailedSetIsRecordedAndKeepsTheKeysItCreated) {
  driver::Ctest_registry_key test_key;
  const std::wstring path = test_key.path() + L"\\Game";
  // Value names are limited to 16383 characters.
  ZOR::clear_last_error();
  EXPECT_FALSE(ZOR::set_string_value(root, path, std::wstring(20000, L'n'), L"x"));
  expect_recorded(L"Cregistry_key", ERROR_INVALID_PARAMETER);
  EXPECT_TRUE(ZOR::key_exists(root, path));
}

TEST(RegistryKey, KeyWithSubkeyIsNotDeleted) {
  driver::Ctest_registry_key test_key;
  ASSERT_TRUE(ZOR::set_string_value(root, test_key.path(), L"exe_dir", L"C:\\Game"));
  ASSERT_TRUE(ZOR::set_string_value(root, test_key.path() + L"\\Sub", L"", L"x"));

  ZOR::clear_last_error();
  EXPECT_FALSE(ZOR::delete_key(root, test_key.path()));
  ZOR::Cerror_info info;
  ASSERT_TRUE(ZOR::get_last_error(info));
  EXPECT_EQ(info.operation, L"RegDeleteKey");
  EXPECT_NE(info.code, ERROR_SUCCESS);
  std::wstring read;
  EXPECT_TRUE(ZOR::query_string_value(root, test_key.path(), L"exe_dir", read));
  EXPECT_EQ(read, L"C:\\Game");

  ASSERT_TRUE(ZOR::delete_key(root, test_key.path() + L"\\Sub")) << ZOR::get_last_error_text();
  ASSERT_TRUE(ZOR::delete_key(root, test_key.path())) << ZOR::get_last_error_text();
  EXPECT_FALSE(ZOR::key_exists(root, test_key.path()));
}

TEST(RegistryKey, SubkeysAnswerOneZeroOrFailure) {
  driver::Ctest_registry_key test_key;
  ASSERT_TRUE(ZOR::set_string_value(root, test_key.path() + L"\\Sub", L"v", L"x"));
  EXPECT_EQ(ZOR::key_has_subkeys(root, test_key.path()), 1);

  // A key that opens but has none answers 0 and records nothing.
  ZOR::clear_last_error();
  EXPECT_EQ(ZOR::key_has_subkeys(root, test_key.path() + L"\\Sub"), 0);
  ZOR::Cerror_info info;
  EXPECT_FALSE(ZOR::get_last_error(info)) << ZOR::get_last_error_text();
}

TEST(RegistryKey, KeyStaysOpenUntilItsLastHolderLetsGo) {
  driver::Ctest_registry_key test_key;
  ASSERT_TRUE(ZOR::set_string_value(root, test_key.path(), L"v", L"x"));
  ZOR::Cregistry_key_ptr first = ZOR::open_key_for_reading(root, test_key.path());
  ASSERT_TRUE(first);
  const HKEY handle = first->get();
  ZOR::Cregistry_key_ptr second = first;
  first.reset();
  DWORD values = 0;
  EXPECT_EQ(RegQueryInfoKeyW(handle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             &values, nullptr, nullptr, nullptr, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(values, 1u);
  second.reset();
  EXPECT_NE(RegQueryInfoKeyW(handle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             &values, nullptr, nullptr, nullptr, nullptr),
            ERROR_SUCCESS);
}

}  // namespace
