// The help text follows the mouse over the seven settings (the hidden area of the adapter
// row included) and is empty elsewhere.
#include <gtest/gtest.h>

#include "tests/e2e/config/config_support.h"

namespace config_test {
namespace {

// Places the cursor on the centre of the dialog item id; false (test failure) when it does
// not settle there.
bool hover(HWND dialog, int id) {
  RECT rect = {};
  if (!GetWindowRect(driver::item(dialog, id), &rect)) {
    ADD_FAILURE() << "no item " << id;
    return false;
  }
  const bool settled = driver::place_cursor((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  EXPECT_TRUE(settled) << "the cursor did not settle over item " << id;
  return settled;
}

struct Help_row {
  int item;
  std::wstring text;
};

TEST(ConfigHelp, TheHelpTextFollowsTheCursor) {
  const std::wstring adapter =
      L"Direct3D の作成に使用するディスプレイアダプタ番号を選びます。マルチモニタ環境で、画面が乱れるとき、値を変えてみて下さい。\n"
      L"デフォルト：0";
  const Help_row rows[] = {
      {adapter_area, adapter},
      {hardware_vertex_check,
       L"頂点処理をハードウェアで行います。処理が高速になります。画面が崩れる場合、チェックを外してみて下さい。\nデフォルト：オン"},
      {path_box, L""},
      {present_interval_check,
       L"ディスプレイの垂直同期に合わせて描画を行います。画面が乱れる場合、チェックを外してみて下さい。\nデフォルト：オン"},
      {mipmap_check,
       L"ミップマップを使用します。テクスチャの縮小が綺麗になります。画面が黒くなるなどの場合、チェックを外してみて下さい。\n"
       L"デフォルト：オン"},
      {wipe_group,
       L"ワイプバッファの枚数を指定します。「ビデオメモリが足りません」などのエラーが出る場合、枚数を減らしてみて下さい。\n"
       L"デフォルト：２枚"},
      {reset_button, L""},
      {silent_sound_check,
       L"バックグラウンドで無音を再生し続けます。プチプチ音が鳴るなどの場合、チェックを入れてみて下さい。\nデフォルト：オフ"},
      {movie_group, L"ムービーの再生方法を指定します。ムービーがうまく再生できない場合、変更してみて下さい。\nデフォルト：WMP"},
      // The adapter box lies under the hidden area; a radio inside its group.
      {adapter_box, adapter},
      {wmp_radio, L"ムービーの再生方法を指定します。ムービーがうまく再生できない場合、変更してみて下さい。\nデフォルト：WMP"},
      {help_text, L""},
  };
  ASSERT_TRUE(driver::place_cursor(0, 0));
  Cconfig_place place;
  place.add_engine();
  Cconfig config;
  HWND dialog = config.open_dialog(place);
  ASSERT_TRUE(dialog);
  // Away from every setting the template's text gives way to none on the first passes.
  EXPECT_TRUE(driver::wait_item_text(dialog, help_text, L""));
  EXPECT_FALSE(driver::is_visible(driver::item(dialog, adapter_area)));
  for (const Help_row& row : rows) {
    SCOPED_TRACE(row.item);
    ASSERT_TRUE(hover(dialog, row.item));
    EXPECT_TRUE(driver::wait_item_text(dialog, help_text, row.text));
  }
  ASSERT_TRUE(driver::close_window(dialog));
  config.expect_exit();
}

}  // namespace
}  // namespace config_test
