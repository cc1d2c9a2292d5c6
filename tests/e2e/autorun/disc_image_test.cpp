// The sample disc in the CD-ROM drive that scripts/test.sh maps (the image lumora-disc wrote,
// mounted read-only with fuseiso when run as root, else the disc folder that osirrox
// extracted from it): a CD-ROM to the programs, holding that folder file for file, with
// autorun.inf naming Autorun.exe, the disc's icon and the game's title.
#include <gtest/gtest.h>

#include <string>

#include "tests/driver/driver.h"

namespace {

std::wstring environment(const wchar_t* name) {
  wchar_t value[1024] = L"";
  const DWORD length = GetEnvironmentVariableW(name, value, 1024);
  return length > 0 && length < 1024 ? std::wstring(value) : std::wstring();
}

TEST(DiscImage, CdRomDriveHoldsTheAssembledDisc) {
  const std::wstring drive = environment(L"ZOR_DISC_DRIVE");
  if (drive.empty()) GTEST_SKIP() << "no disc drive is mapped (scripts/test.sh maps one)";
  const std::wstring folder = driver::binary_dir() + L"\\sample_disc";
  EXPECT_EQ(GetDriveTypeW((drive + L"\\").c_str()), static_cast<UINT>(DRIVE_CDROM));
  const std::set<std::wstring> tree = driver::tree_of(folder);
  ASSERT_EQ(driver::tree_of(drive), tree);
  EXPECT_TRUE(tree.count(L"Autorun.exe") && tree.count(L"SetupData\\Setup.exe") &&
              tree.count(L"SetupData\\GameData\\遊び方.txt"));
  for (const std::wstring& entry : tree) {
    if (entry.back() == L'\\') continue;
    EXPECT_EQ(driver::read_bytes(drive + L"\\" + entry), driver::read_bytes(folder + L"\\" + entry))
        << testing::PrintToString(entry);
  }
  // open=, the icon beside it (the game's own) and the title as a Japanese Windows shows it
  // (code page 932 bytes).
  EXPECT_EQ(driver::read_bytes(drive + L"\\autorun.inf"),
            "[autorun]\r\nopen=Autorun.exe\r\nicon=Setup.ico\r\nlabel=" + driver::to_ansi(L"月影の庭") + "\r\n");
  EXPECT_EQ(driver::read_bytes(drive + L"\\Setup.ico"), driver::read_bytes(drive + L"\\SetupData\\Setup.ico"));
  if (environment(L"ZOR_DISC_SOURCE").rfind(L"the image", 0) == 0) {
    const std::wstring written = drive + L"\\written.txt";
    EXPECT_FALSE(driver::write_bytes(written, "x")) << "the image is read-only";
  }
}

}  // namespace
