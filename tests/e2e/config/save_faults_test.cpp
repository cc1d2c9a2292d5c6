// Faults while Config saves: a full drive at every 4 KiB of the new file, a read-only
// system.ini, the save folder removed while the dialog is open, and Config killed at
// growing delays after Yes. Afterwards system.ini is the old file byte for byte or the new
// one whole, each failure showed its exact message, and at most the one new file of an
// interrupted save stays, which the next save takes over.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "lib/error/error.h"
#include "tests/e2e/config/config_support.h"

namespace config_test {
namespace {

enum class Fault { free_space, read_only, folder_removed, killed };

struct Fault_row {
  Fault fault;
  // free_space: 4 KiB blocks left free; killed: milliseconds between Yes and the kill.
  int amount;
};

const Csettings old_settings = {3, 0, 0, 0, 1, 1, 0};
// What the dialog shows after the mipmap box was clicked.
const Csettings new_settings = {3, 0, 0, 1, 1, 1, 0};

// What the kills met: the save not begun (old file), done (new file), or between (a new
// file left beside the old or new system.ini).
struct Ckill_outcomes {
  int old_file = 0;
  int new_file = 0;
  int left_new_file = 0;
} kill_outcomes;

std::set<std::wstring> save_folder_tree(const Cplace_with_file& setup) {
  return driver::tree_of(setup.place.folder() + L"\\SaveData");
}

// How many checks of the running test have failed so far.
int failed_checks() {
  const ::testing::TestResult* result = ::testing::UnitTest::GetInstance()->current_test_info()->result();
  int failed = 0;
  for (int i = 0; i < result->total_part_count(); ++i) failed += result->GetTestPartResult(i).failed() ? 1 : 0;
  return failed;
}

// One save under the row's fault; true when it ended clean.
bool run_case(const Fault_row& row, const std::wstring& drive) {
  const int failed_before = failed_checks();
  const std::string old_bytes = file_bytes(old_settings);
  const std::string new_bytes = file_bytes(new_settings);
  Cplace_with_file setup(old_bytes, row.fault == Fault::free_space ? drive : L"");
  Cconfig config;
  HWND dialog = config.open_dialog(setup.place);
  if (dialog == nullptr) return false;
  EXPECT_TRUE(driver::click(dialog, mipmap_check));
  std::unique_ptr<driver::Cdrive_filler> filler;
  std::wstring message;
  switch (row.fault) {
    case Fault::free_space:
      filler = std::make_unique<driver::Cdrive_filler>(drive);
      EXPECT_TRUE(filler->leave_free(4096 * row.amount));
      // The new file is less than one block: with none free its bytes find no room.
      if (row.amount == 0) {
        message = L"system.ini の書き込みに失敗しました。\n" + error_text(ZOR::Cerror_info::kind_errno, 28, L"fflush");
      }
      break;
    case Fault::read_only:
      EXPECT_TRUE(SetFileAttributesW(setup.file.c_str(), FILE_ATTRIBUTE_READONLY));
      message = L"system.ini の書き込みに失敗しました。\n" +
                error_text(ZOR::Cerror_info::kind_win32, ERROR_ACCESS_DENIED, L"MoveFileEx");
      break;
    case Fault::folder_removed:
      // The save makes the folder again.
      EXPECT_TRUE(driver::remove_folder_tree(setup.place.folder() + L"\\SaveData"));
      break;
    case Fault::killed:
      break;
  }
  EXPECT_TRUE(driver::close_window(dialog));
  if (row.fault == Fault::killed) {
    driver::Cmessage_box box = driver::wait_message_box(config.id());
    EXPECT_EQ(box.text, save_question);
    EXPECT_TRUE(driver::post_click(box.window, IDYES));
    Sleep(static_cast<DWORD>(row.amount));
    config.process.kill();
    // Whichever moment the kill met: the old file or the new one, whole.
    const std::string bytes = driver::read_bytes(setup.file);
    EXPECT_TRUE(bytes == old_bytes || bytes == new_bytes) << "system.ini after a kill: " << bytes;
    ++(bytes == old_bytes ? kill_outcomes.old_file : kill_outcomes.new_file);
    std::set<std::wstring> tree = save_folder_tree(setup);
    kill_outcomes.left_new_file += static_cast<int>(tree.erase(L"system.ini.new"));
    EXPECT_EQ(tree, std::set<std::wstring>{L"system.ini"}) << "at most the one new file stays";
    // The next save takes the place of what the killed one left.
    Cconfig next;
    dialog = next.open_dialog(setup.place);
    if (dialog == nullptr) return false;
    EXPECT_TRUE(driver::set_item_text(dialog, adapter_box, L"5"));
    EXPECT_TRUE(next.close_and_answer(dialog, IDYES));
    next.expect_exit();
    Csettings next_settings = bytes == old_bytes ? old_settings : new_settings;
    next_settings.adapter_no = 5;
    EXPECT_EQ(driver::read_bytes(setup.file), file_bytes(next_settings));
  } else {
    EXPECT_TRUE(config.expect_box(save_question, driver::Box_icon::question, IDYES));
    const bool saved = message.empty();
    if (!saved) {
      EXPECT_TRUE(config.expect_box(message, driver::Box_icon::warning, IDOK));
    }
    config.expect_exit();
    EXPECT_EQ(driver::read_bytes(setup.file), saved ? new_bytes : old_bytes);
  }
  EXPECT_EQ(save_folder_tree(setup), std::set<std::wstring>{L"system.ini"}) << "nothing but system.ini stays";
  SetFileAttributesW(setup.file.c_str(), FILE_ATTRIBUTE_NORMAL);
  return failed_checks() == failed_before;
}

TEST(ConfigSaveFaults, SystemIniIsTheOldFileOrTheNewOneWhole) {
  const std::wstring drive = driver::small_drive();
  std::vector<Fault_row> rows = {{Fault::read_only, 0}, {Fault::folder_removed, 0}};
  if (!drive.empty()) {
    for (int blocks = 0; blocks <= 2; ++blocks) rows.push_back({Fault::free_space, blocks});
  }
  for (int delay : {0, 1, 2, 4, 8, 16, 32, 64}) rows.push_back({Fault::killed, delay});
  int clean = 0;
  for (const Fault_row& row : rows) {
    SCOPED_TRACE("fault " + std::to_string(static_cast<int>(row.fault)) + ", amount " + std::to_string(row.amount));
    if (run_case(row, drive)) ++clean;
  }
  std::printf("figures config_save_faults injected %zu clean %d; kills met the old file %d, the new one %d, "
              "left a new file %d%s\n",
              rows.size(), clean, kill_outcomes.old_file, kill_outcomes.new_file, kill_outcomes.left_new_file,
              drive.empty() ? " (no small drive: the full-drive rows were left out)" : "");
}

}  // namespace
}  // namespace config_test
