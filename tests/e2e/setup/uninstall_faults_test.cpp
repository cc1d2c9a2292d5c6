// Uninstall under faults: a file held open by a running program, a read-only file, files
// the game wrote into its folders, a key with a subkey. Each ends with its messages, and
// afterwards exactly the expected entries are gone: nothing else below the chosen folder,
// on the disc, in Setup's temporary folder or in the registry has changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "tests/e2e/setup/setup_support.h"

namespace setup_test {
namespace {

using driver::Box_icon;

const std::wstring question = std::wstring(disc1_title) + L"をアンインストールします。よろしいですか？";
const wchar_t* const listed[] = {L"readme.txt", L"遊び方.txt", L"system.dat", L"data", L"addon"};

// An installed sample game with a file of someone else's beside it.
struct Cgame {
  Csample_disc disc;
  driver::Ctemp_folder setup_temp;
  std::wstring base = disc.scratch();
  std::wstring install_dir = base + L"\\" + disc.reg_path();
  std::wstring maker_dir = base + L"\\" + disc.reg_path().substr(0, disc.reg_path().find(L'\\'));
  std::wstring key = L"HKLM\\" + disc.reg_key();

  driver::Csnapshot snapshot() const { return driver::Csnapshot({base, disc.dir(), setup_temp.path()}, {disc.reg_key()}); }
};

using Boxes = std::vector<std::pair<std::wstring, Box_icon>>;

// Runs the uninstall with Yes and answers each expected box; the boxes come in this order.
// Keeps in longest_ms the longest time a window of Setup took to answer.
void uninstall(Cgame& game, const Boxes& boxes, unsigned& longest_ms) {
  Csetup setup;
  setup.temp_folder = game.setup_temp.path();
  ASSERT_TRUE(setup.start(game.disc.arguments(L"uninstall")));
  HWND dialog = setup.wait_dialog(disc1_title, uninstall_button);
  ASSERT_TRUE(dialog);
  driver::Cresponse_probe probe(setup.id());
  ASSERT_TRUE(driver::click(dialog, uninstall_button));
  ASSERT_TRUE(setup.expect_box(disc1_title, question, Box_icon::information, IDYES));
  for (const auto& box : boxes) ASSERT_TRUE(setup.expect_box(disc1_title, box.first, box.second, IDOK));
  setup.expect_exit();
  longest_ms = std::max(longest_ms, probe.longest_ms());
}

const std::pair<std::wstring, Box_icon> completed = {L"アンインストールが完了しました。", Box_icon::information};
const std::pair<std::wstring, Box_icon> abandoned = {L"アンインストールを中止しました。", Box_icon::warning};

struct Cfault {
  const char* name;
  // Makes the fault in the installed game; returns what the uninstall must leave.
  std::function<void(Cgame&, driver::Csnapshot& expected)> inject;
  std::function<Boxes(const Cgame&)> boxes;
};

TEST(SetupSweep, UninstallUnderFaults) {
  // The test holds the file as the running game would (read access, others may only read).
  HANDLE held = INVALID_HANDLE_VALUE;
  const Cfault faults[] = {
      {"a file held open by a running program",
       [&](Cgame& game, driver::Csnapshot& expected) {
         held = CreateFileW((game.install_dir + L"\\system.dat").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
         ASSERT_NE(held, INVALID_HANDLE_VALUE);
         // Every other entry goes; the file, reg.ini and the key stay for a second run.
         expected = game.snapshot();
         for (const wchar_t* entry : listed) {
           if (std::wstring(entry) != L"system.dat") expected.forget(game.install_dir + L"\\" + entry);
         }
       },
       [](const Cgame& game) {
         return Boxes{{game.install_dir + L"\\system.dat が削除できませんでした。アンインストールを中止します。\n" +
                           L"関数 DeleteFile においてエラーが発生しました。\n" +
                           L"共有違反です。" + L"\n\n" + admin_hint,
                       Box_icon::warning},
                      abandoned};
       }},
      {"a read-only file",
       [](Cgame& game, driver::Csnapshot& expected) {
         ASSERT_TRUE(SetFileAttributesW((game.install_dir + L"\\system.dat").c_str(), FILE_ATTRIBUTE_READONLY));
         expected = game.snapshot();
         expected.forget(game.maker_dir);
         expected.forget(game.key);
       },
       [](const Cgame&) { return Boxes{completed}; }},
      {"files the game wrote into its folders",
       [](Cgame& game, driver::Csnapshot& expected) {
         ASSERT_TRUE(write_bytes(game.install_dir + L"\\data\\extra.txt", "written into a listed folder"));
         ASSERT_TRUE(write_bytes(game.install_dir + L"\\save.dat", "saved"));
         // The listed folder goes with what it holds; save.dat keeps the game's folders.
         expected = game.snapshot();
         for (const wchar_t* entry : listed) expected.forget(game.install_dir + L"\\" + entry);
         expected.forget(game.install_dir + L"\\reg.ini");
         expected.forget(game.key);
       },
       [](const Cgame&) { return Boxes{completed}; }},
      {"a key with a subkey",
       [](Cgame& game, driver::Csnapshot& expected) {
         HKEY subkey = nullptr;
         ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (game.disc.reg_key() + L"\\Patch").c_str(), 0, nullptr, 0,
                                   KEY_WRITE, nullptr, &subkey, nullptr),
                   ERROR_SUCCESS);
         RegCloseKey(subkey);
         // The files go all the same; the key stays with its values.
         expected = game.snapshot();
         expected.forget(game.maker_dir);
       },
       [](const Cgame&) {
         return Boxes{{L"レジストリ情報が削除できませんでした。アンインストールを中止します。\n\n" +
                           std::wstring(admin_hint),
                       Box_icon::warning},
                      abandoned};
       }},
  };
  int injected = 0, clean = 0;
  unsigned longest_ms = 0;
  for (const Cfault& fault : faults) {
    SCOPED_TRACE(fault.name);
    Cgame game;
    install(game.disc, disc1_title, game.base);
    // Someone else's file beside the game, and the snapshot of a machine without it.
    ASSERT_TRUE(write_bytes(game.base + L"\\other.txt", "not the game's"));
    const driver::Csnapshot uninstalled = [&] {
      driver::Csnapshot before = game.snapshot();
      before.forget(game.maker_dir);
      before.forget(game.key);
      return before;
    }();
    driver::Csnapshot expected({}, {});
    fault.inject(game, expected);
    ++injected;
    uninstall(game, fault.boxes(game), longest_ms);
    std::wstring left = driver::difference(expected, game.snapshot());
    EXPECT_EQ(left, L"");
    if (held != INVALID_HANDLE_VALUE) {
      // Once the file is free, the uninstall runs again and completes.
      EXPECT_TRUE(key_exists(game.disc.reg_key()));
      CloseHandle(held);
      held = INVALID_HANDLE_VALUE;
      uninstall(game, {completed}, longest_ms);
      const std::wstring second = driver::difference(uninstalled, game.snapshot());
      EXPECT_EQ(second, L"");
      left += second;
    }
    if (left.empty()) ++clean;
  }
  driver::report_sweep("Setup, uninstall under faults", injected, clean, longest_ms);
}

}  // namespace
}  // namespace setup_test
