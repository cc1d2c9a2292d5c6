// Reading system.ini into the dialog, and what closing the dialog writes: nothing when
// nothing changed, the seven lines after Yes, nothing after No, and nothing when the save
// folder cannot be made.
#include <gtest/gtest.h>

#include <set>

#include "lib/error/error.h"
#include "tests/e2e/config/config_support.h"

namespace config_test {
namespace {

using driver::Box_icon;

struct Load_row {
  const char* name;
  std::string bytes;
  Csettings shown;
};

TEST(ConfigSettings, LoadingClampsSkipsCommentsAndTakesTheLastLine) {
  Csettings clamped = {0, 0, 1, 1, 2, 1, 0};
  Csettings low = {7, 1, 0, 0, 1, 0, 1};
  const Load_row rows[] = {
      {"values out of range are clamped",
       "#D3D.ADAPTER_NO = -3\r\n#D3D.HARDWARE_VERTEX = 0\r\n#D3D.PRESENT_INTERVAL = 5\r\n#D3D.USE_MIPMAP = 7\r\n"
       "#D3D.WIPE_BUFFER_COUNT = 5\r\n#DS.PLAY_SILENT_SOUND = -4\r\n#MOVIE_TYPE = -2",
       clamped},
      {"comments, other keys, blank lines and duplicates",
       "// written by hand\n#D3D.WIPE_BUFFER_COUNT = 0\n\n#D3D.ADAPTER_NO = 3\n#UNKNOWN = 1\n"
       "#D3D.PRESENT_INTERVAL=0\n// #MOVIE_TYPE = 0\n #MOVIE_TYPE = 0\n#D3D.USE_MIPMAP = 0 trailing\n"
       "#D3D.ADAPTER_NO = \"9\"\n#D3D.ADAPTER_NO = +7\n",
       low},
  };
  for (const Load_row& row : rows) {
    SCOPED_TRACE(row.name);
    Cplace_with_file setup(row.bytes);
    Cconfig config;
    HWND dialog = config.open_dialog(setup.place);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(shown_settings(dialog), described(row.shown));
    // Nothing was touched: closing asks nothing and writes nothing, the clamps included.
    ASSERT_TRUE(driver::close_window(dialog));
    config.expect_exit();
    EXPECT_EQ(driver::read_bytes(setup.file), row.bytes);
  }
}

TEST(ConfigSettings, ResetToTheDefaultsThatTheFileHoldsAsksNothing) {
  Cplace_with_file setup(file_bytes(defaults));
  Cconfig config;
  HWND dialog = config.open_dialog(setup.place);
  ASSERT_TRUE(dialog);
  ASSERT_TRUE(driver::set_item_text(dialog, adapter_box, L"4"));
  ASSERT_TRUE(driver::click(dialog, mipmap_check));
  ASSERT_TRUE(driver::click(dialog, wipe_one_radio));
  ASSERT_TRUE(driver::click(dialog, mci_radio));
  ASSERT_TRUE(driver::click(dialog, silent_sound_check));
  EXPECT_EQ(shown_settings(dialog), described({4, 1, 1, 0, 1, 1, 0}));
  ASSERT_TRUE(driver::click(dialog, reset_button));
  EXPECT_EQ(shown_settings(dialog), described(defaults));
  ASSERT_TRUE(driver::close_window(dialog));
  config.expect_exit();
  EXPECT_EQ(driver::read_bytes(setup.file), file_bytes(defaults));
}

TEST(ConfigSettings, CancelKeepsTheDialogNoWritesNothingYesWritesTheSevenLines) {
  const std::string old_bytes = "// mine\r\n#D3D.ADAPTER_NO = 1\r\n#OTHER = 2\r\n";
  Cplace_with_file setup(old_bytes);
  {
    Cconfig config;
    HWND dialog = config.open_dialog(setup.place);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(driver::click(dialog, present_interval_check));
    ASSERT_TRUE(config.close_and_answer(dialog, IDCANCEL));
    // Still open, with the change; the next close asks again.
    EXPECT_TRUE(driver::is_visible(dialog));
    EXPECT_EQ(shown_settings(dialog), described({1, 1, 0, 1, 2, 0, 1}));
    ASSERT_TRUE(config.close_and_answer(dialog, IDNO));
    config.expect_exit();
    EXPECT_EQ(driver::read_bytes(setup.file), old_bytes);
  }
  {
    // The emptied adapter box is written as 0, whatever the file held besides.
    Cconfig config;
    HWND dialog = config.open_dialog(setup.place);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(driver::set_item_text(dialog, adapter_box, L""));
    ASSERT_TRUE(driver::click(dialog, wipe_one_radio));
    ASSERT_TRUE(driver::click(dialog, silent_sound_check));
    ASSERT_TRUE(config.close_and_answer(dialog, IDYES));
    config.expect_exit();
    EXPECT_EQ(driver::read_bytes(setup.file), file_bytes({0, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(driver::tree_of(setup.place.folder() + L"\\SaveData"), std::set<std::wstring>{L"system.ini"});
  }
  {
    // A number beyond 32 bits is no adapter number either.
    Cconfig config;
    HWND dialog = config.open_dialog(setup.place);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(driver::set_item_text(dialog, adapter_box, L"99999999999"));
    ASSERT_TRUE(driver::click(dialog, hardware_vertex_check));
    ASSERT_TRUE(config.close_and_answer(dialog, IDYES));
    config.expect_exit();
    EXPECT_EQ(driver::read_bytes(setup.file), file_bytes({0, 0, 1, 1, 1, 1, 1}));
  }
}

// A full drive and a read-only system.ini: save_faults_test.cpp.
TEST(ConfigSettings, AFailedSaveKeepsTheOldFile) {
  {
    SCOPED_TRACE("a file where the save folder should be");
    Cconfig_place place;
    place.add_engine();
    ASSERT_TRUE(driver::write_bytes(place.folder() + L"\\SaveData", "not a folder"));
    Cconfig config;
    HWND dialog = config.open_dialog(place);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(driver::click(dialog, mipmap_check));
    ASSERT_TRUE(config.close_and_answer(dialog, IDYES));
    driver::Cmessage_box box = driver::wait_message_box(config.id());
    const std::wstring head = L"セーブフォルダの作成に失敗しました。\n関数 SHCreateDirectoryEx においてエラーが発生しました。\n";
    EXPECT_EQ(box.text.substr(0, head.size()), head);
    EXPECT_EQ(box.caption, caption);
    ASSERT_TRUE(driver::answer_message_box(box, IDOK));
    config.expect_exit();
    EXPECT_EQ(driver::read_bytes(place.folder() + L"\\SaveData"), "not a folder");
  }
}

}  // namespace
}  // namespace config_test
