// The title picture on screen: 24- and 32-bit bitmaps (one of a width that is not a multiple
// of 4) land upright at the picture window's top-left corner with their own colours.
#include <gtest/gtest.h>

#include "tests/e2e/foyer/foyer_support.h"

namespace foyer_test {
namespace {

std::uint32_t pattern(int x, int y) {
  return (static_cast<std::uint32_t>(x * 17 & 0xFF) << 16) | (static_cast<std::uint32_t>(y * 29 & 0xFF) << 8) |
         static_cast<std::uint32_t>(0x40 + x * 3 + y * 5);
}

TEST(FoyerPicture, BitmapsLandUprightWithTheirPixels) {
  struct Row {
    int width;
    int height;
    int bits;
  };
  for (const Row& row : {Row{13, 7, 24}, Row{10, 6, 32}, Row{400, 400, 24}}) {
    SCOPED_TRACE(testing::Message() << row.width << "x" << row.height << ", " << row.bits << " bits");
    Cfoyer_disc disc;
    ASSERT_TRUE(driver::write_bytes(disc.dir() + L"\\Setup.bmp", bitmap_file(row.width, row.height, row.bits, false,
                                                                              pattern)));
    Cfoyer foyer;
    HWND menu = foyer.open_menu(disc);
    ASSERT_TRUE(menu);
    HWND picture = driver::item(menu, 1002);
    // Painting follows the showing: wait until the first pixel has its colour.
    EXPECT_TRUE(wait_for([&] { return driver::screen_colour(picture, 0, 0) == pattern(0, 0); }, 10000));
    int wrong = 0;
    for (int y = 0; y < row.height; y += row.height > 20 ? 37 : 1) {
      for (int x = 0; x < row.width; x += row.width > 20 ? 41 : 1) {
        const std::uint32_t shown = driver::screen_colour(picture, x, y);
        if (shown != pattern(x, y) && wrong++ < 5) {
          ADD_FAILURE() << "pixel " << x << "," << y << ": shown " << std::hex << shown << ", stored " << pattern(x, y);
        }
      }
    }
    EXPECT_EQ(wrong, 0);
    ASSERT_TRUE(driver::close_window(menu));
    foyer.expect_exit();
  }
}

}  // namespace
}  // namespace foyer_test
