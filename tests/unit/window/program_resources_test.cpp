// The resources every program gets from zor_add_program, read from the built sample
// program: manifest, version information with Japanese text, and the program icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/driver/test_places.h"

namespace {

// The sample program loaded as a resource file; unloaded with the object.
class Cresource_module {
 public:
  explicit Cresource_module(const std::wstring& path)
      : module_(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~Cresource_module() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  Cresource_module(const Cresource_module&) = delete;
  Cresource_module& operator=(const Cresource_module&) = delete;

  HMODULE get() const { return module_; }
  // The bytes of one resource; empty when it is missing.
  std::string bytes(const wchar_t* name, const wchar_t* type) const {
    HRSRC found = FindResourceW(module_, name, type);
    if (found == nullptr) return std::string();
    HGLOBAL loaded = LoadResource(module_, found);
    const char* data = static_cast<const char*>(LockResource(loaded));
    return data != nullptr ? std::string(data, SizeofResource(module_, found)) : std::string();
  }

 private:
  HMODULE module_;
};

TEST(Program_resources, SampleProgramCarriesManifestVersionAndIcon) {
  Cresource_module program(driver::program_path(L"SampleDialog.exe"));
  ASSERT_NE(program.get(), nullptr);

  const std::string manifest = program.bytes(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_FALSE(manifest.empty());
  const char* expected_parts[] = {
      "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
      "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
      ">true</dpiAware>",
  };
  for (const char* part : expected_parts) {
    EXPECT_NE(manifest.find(part), std::string::npos) << "manifest lacks " << part;
  }

  const std::string version = program.bytes(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));
  ASSERT_FALSE(version.empty());
  const std::wstring wide(reinterpret_cast<const wchar_t*>(version.data()), version.size() / sizeof(wchar_t));
  const wchar_t* expected_values[] = {L"サンプルダイアログ", L"SampleDialog.exe", L"041104b0"};
  for (const wchar_t* value : expected_values) {
    EXPECT_NE(wide.find(value), std::wstring::npos) << "version information lacks " << testing::PrintToString(std::wstring(value));
  }

  EXPECT_NE(FindResourceW(program.get(), L"ZOR_PROGRAM_ICON", MAKEINTRESOURCEW(14)), nullptr)
      << "the program icon";
}

}  // namespace
