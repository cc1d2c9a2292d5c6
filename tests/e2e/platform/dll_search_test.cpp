// Library search of the programs: a DLL named like the system's "riched32.dll" beside a
// program (as anyone may leave one beside Setup in the temporary folder) is never loaded.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/driver/driver.h"

namespace {

// While it lives, Wine loads "riched32.dll" of the program named program from the
// program's folder when one lies there (HKCU\Software\Wine\AppDefaults\<program>\
// DllOverrides, read when a process starts; the WINEDLLOVERRIDES of a Windows process does
// not reach the processes it starts). The key is removed again when it is destroyed.
class Cwindows_search_order {
 public:
  explicit Cwindows_search_order(const std::wstring& program)
      : key_(L"Software\\Wine\\AppDefaults\\" + program) {
    HKEY existing = nullptr;
    had_key_ = RegOpenKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_READ, &existing) == ERROR_SUCCESS;
    if (existing != nullptr) RegCloseKey(existing);
    const wchar_t order[] = L"native,builtin";
    EXPECT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, (key_ + L"\\DllOverrides").c_str(), L"riched32", REG_SZ, order,
                              sizeof order),
              ERROR_SUCCESS);
  }
  ~Cwindows_search_order() {
    if (had_key_) {
      RegDeleteKeyValueW(HKEY_CURRENT_USER, (key_ + L"\\DllOverrides").c_str(), L"riched32");
    } else {
      RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str());
    }
  }
  Cwindows_search_order(const Cwindows_search_order&) = delete;
  Cwindows_search_order& operator=(const Cwindows_search_order&) = delete;

 private:
  std::wstring key_;
  bool had_key_ = false;
};

TEST(PlatformDllSearch, PlantedRichEditLibraryBesideAProgramIsNeverLoaded) {
  // Windows searches a program's own folder first for a library that is not one of its
  // known DLLs; Wine prefers its built-in riched32 and takes one from that folder only
  // when told to. The override makes Wine search as Windows does, so that only the
  // program's own restriction to System32 keeps the planted library out.
  const std::wstring planted = driver::binary_dir() + L"\\tests\\planted\\riched32.dll";
  // Each program alone in a folder ends its start-up with a message of its own: it ran
  // past the program entry, which loaded the real riched32.dll.
  const struct {
    const wchar_t* program;
    const wchar_t* caption;
  } rows[] = {
      {L"Setup.exe", L"Setup.exe"},
      {L"Foyer.exe", L"Foyer.exe"},
      {L"Config.exe", L"環境設定.exe"},
      {L"Chronicle.exe", L"Chronicle"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.program)));
    const Cwindows_search_order windows_order(row.program);
    driver::Ctemp_folder folder;
    const std::wstring program = folder / row.program;
    ASSERT_TRUE(CopyFileW(driver::program_path(row.program).c_str(), program.c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(planted.c_str(), (folder / L"riched32.dll").c_str(), FALSE));
    driver::Cprocess process;
    ASSERT_TRUE(process.start(program, L"", folder.path()));
    EXPECT_NE(driver::wait_window(process.id(), row.caption), nullptr);
    process.kill();
    EXPECT_FALSE(driver::exists(folder / L"planted.marker")) << "the planted library was loaded";
  }
}

}  // namespace
