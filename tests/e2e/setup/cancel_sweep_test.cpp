// Cancels at evenly spread moments of a larger install and once at the disc-2 prompt: each
// time the rollback leaves the destination, the disc, the key and Setup's temporary folder
// as they were. And what a Setup killed during the copy leaves behind: no record, and files
// that the design (no journal) does not remove, measured as a known limit, not required.
#include <gtest/gtest.h>

#include "lib/file/file.h"
#include "tests/e2e/setup/setup_support.h"

namespace setup_test {
namespace {

using driver::Box_icon;

constexpr int part_count = 20;
constexpr std::int64_t part_size = 2LL << 20;
// The install ends in a file far larger than the rest (sparse on the disc): whichever moment
// among the parts the test picks, its cancel arrives long before the install could end.
constexpr std::int64_t tail_size = 2LL << 30;
const wchar_t second_disc_prompt[] = L"星降る夜の物語 ディスク２を入れて下さい。";

std::wstring part_name(int index) { return L"part" + std::to_wstring(100 + index).substr(1) + L".bin"; }

// A game on two discs: the parts and the tail on disc 1 (in the drive), the sample's movie
// on disc 2; #SETUP_SIZE is the real size, so the overall bar counts the real chunks.
void make_large_install(const Csample_disc& disc, std::int64_t tail) {
  disc.remove_ini_lines(L"#SETUP_FILE");
  disc.add_ini_line(L"#SETUP_FILE = \"parts\", 1");
  disc.add_ini_line(L"#SETUP_FILE = \"tail.bin\", 1");
  disc.add_ini_line(L"#SETUP_FILE = \"movie\", 2");
  disc.set_ini_line(L"#SETUP_SIZE", L"#SETUP_SIZE = " + std::to_wstring(part_count * part_size + tail));
  ASSERT_TRUE(CreateDirectoryW((disc.game_data() + L"\\parts").c_str(), nullptr));
  for (int i = 0; i < part_count; ++i) {
    ASSERT_TRUE(make_sized_file(disc.game_data() + L"\\parts\\" + part_name(i), part_size));
  }
  ASSERT_TRUE(make_sized_file(disc.game_data() + L"\\tail.bin", tail));
}

TEST(SetupSweep, CancelAtManyMoments) {
  Csample_disc disc(L"disc2");
  make_large_install(disc, tail_size);
  Cprepared_setup prepared;
  ASSERT_TRUE(prepared.open(disc, disc2_title, disc.scratch()));
  Csetup& setup = prepared.setup;
  const HWND dialog = prepared.dialog;
  driver::Csnapshot before = prepared.snapshot();
  driver::Cresponse_probe probe(setup.id());
  int injected = 0, clean = 0;
  // Moments 0 to 19: when the overall bar shows that many parts copied; moment 20: at the
  // prompt for disc 2, reached once the tail has become small.
  for (int moment = 0; moment <= part_count; ++moment) {
    SCOPED_TRACE(testing::Message() << "cancel at moment " << moment);
    const bool at_prompt = moment == part_count;
    if (at_prompt) {
      ASSERT_TRUE(make_sized_file(disc.game_data() + L"\\tail.bin", 25000));
      before = before.again();
    }
    HWND progress = begin_install(setup, dialog, disc2_title);
    ASSERT_TRUE(progress);
    if (at_prompt) {
      ASSERT_TRUE(setup.expect_box(disc2_title, second_disc_prompt, Box_icon::information, IDCANCEL));
      ASSERT_TRUE(setup.expect_box(disc2_title, L"セットアップを終了してよろしいですか？", Box_icon::information, IDYES));
    } else {
      const int position = static_cast<int>(moment * part_size / 10240);
      ASSERT_TRUE(wait_for([&] { return driver::progress_of(progress, total_bar).position >= position; }));
      ASSERT_TRUE(driver::post_click(progress, cancel_button));
      ASSERT_TRUE(setup.expect_box(disc2_title, L"セットアップを中止します。よろしいですか？", Box_icon::warning, IDYES));
    }
    ++injected;
    ASSERT_TRUE(setup.expect_box(disc2_title, L"セットアップを中止しました。", Box_icon::warning, IDOK));
    ASSERT_TRUE(wait_for([&] { return driver::is_enabled(dialog); }));
    const std::wstring left = driver::difference(before, before.again());
    EXPECT_EQ(left, L"");
    if (left.empty()) ++clean;
  }
  driver::report_sweep("Setup, cancel at many moments", injected, clean, probe.longest_ms());
  ASSERT_TRUE(driver::click(dialog, close_button));
  setup.expect_exit();
}

TEST(SetupSweep, KilledDuringTheCopyLeavesNoRecord) {
  Csample_disc disc(L"disc2");
  make_large_install(disc, tail_size);
  driver::Cfolder_browser_hook hook;
  Csetup setup;
  HWND dialog = setup.open_setup_dialog(disc, disc2_title);
  ASSERT_TRUE(dialog);
  const std::wstring install_dir = disc.scratch() + L"\\" + disc.reg_path();
  ASSERT_TRUE(choose_destination(hook, setup, dialog, disc.scratch(), install_dir));
  HWND progress = begin_install(setup, dialog, disc2_title);
  ASSERT_TRUE(progress);
  ASSERT_TRUE(wait_item_text(progress, status_text, L"tail.bin"));
  ASSERT_TRUE(wait_for([&] { return driver::progress_of(progress, file_bar).position > 0; }));
  setup.process.kill();

  // The registration comes only after the copy, so no record tells Foyer or a later
  // uninstall about what was copied. What stays behind is measured, not required (Setup
  // keeps no journal, so today every part and the tail begun stay); nothing but the
  // listed entries may be there.
  std::set<std::wstring> listed = {L"parts\\", L"tail.bin"};
  for (int i = 0; i < part_count; ++i) listed.insert(L"parts\\" + part_name(i));
  const std::set<std::wstring> left = tree_of(install_dir);
  std::uint64_t left_bytes = 0;
  for (const std::wstring& path : left) {
    EXPECT_EQ(listed.count(path), 1u) << testing::PrintToString(path) << " is no listed entry";
    if (path.back() != L'\\') left_bytes += ZOR::file_size(install_dir + L"\\" + path);
  }
  // The kill came during the copy: a tail left behind is not whole.
  if (left.count(L"tail.bin") != 0) {
    EXPECT_LT(ZOR::file_size(install_dir + L"\\tail.bin"), static_cast<std::uint64_t>(tail_size));
  }
  EXPECT_FALSE(exists(install_dir + L"\\reg.ini"));
  EXPECT_FALSE(key_exists(disc.reg_key()));
  std::printf("[ MEASURED ] killed during the copy: %zu files and folders left (%llu bytes), no reg.ini, no key\n",
              left.size(), static_cast<unsigned long long>(left_bytes));
}

}  // namespace
}  // namespace setup_test
