// Splitter bars as pure arithmetic: placement, validity, fraction, layout.
#include "lib/window/splitter.h"

#include <gtest/gtest.h>

namespace {

bool same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool empty(RECT rect) { return IsRectEmpty(&rect); }

// A vertical bar between a left group (two controls) and a right group (one control).
ZOR::Csplitter vertical_splitter(int client_width) {
  ZOR::Csplitter splitter;
  splitter.vertical = true;
  const std::vector<RECT> first = {{10, 10, 150, 100}, {20, 110, 140, 300}};
  const std::vector<RECT> second = {{156, 40, 390, 320}};
  ZOR::place_splitter_bar(splitter, first, second);
  ZOR::measure_splitter(splitter, first, second, client_width);
  return splitter;
}

TEST(Splitter, BarFillsTheGapBetweenTheGroups) {
  const ZOR::Csplitter splitter = vertical_splitter(400);
  EXPECT_EQ(splitter.position, 150);
  EXPECT_EQ(splitter.thickness, 6);
  EXPECT_EQ(splitter.min_position, 20 + 16) << "largest left edge of the left group + 16";
  EXPECT_EQ(splitter.max_position, 390 - 6 - 17) << "right edge of the right group - thickness - 17";
  EXPECT_TRUE(splitter.valid);
  EXPECT_EQ(splitter.extent_start, 0);
  EXPECT_EQ(splitter.extent_end, 400);
  // Over the span both groups share: 40 (right group's top) to 300 (left group's bottom).
  const RECT bar = ZOR::splitter_bar_rect(splitter, {{10, 10, 150, 100}, {20, 110, 140, 300}},
                                          {{156, 40, 390, 320}});
  EXPECT_TRUE(same(bar, RECT{150, 40, 156, 300}));
  // Groups that share no span leave no bar to grab; an empty group has none either.
  EXPECT_TRUE(empty(ZOR::splitter_bar_rect(splitter, {{10, 10, 150, 30}}, {{156, 40, 390, 320}})));
  EXPECT_TRUE(empty(ZOR::splitter_bar_rect(splitter, {}, {{156, 40, 390, 320}})));
}

struct Validity_row {
  int thickness;
  LONG first_near;   // largest near edge of the first group
  LONG second_far;   // smallest far edge of the second group
  bool valid;
};

TEST(Splitter, ValidOnlyWithRoomFor33PixelsPlusTheBar) {
  const Validity_row rows[] = {
      {4, 10, 10 + 33 + 4, true},  {4, 10, 10 + 32 + 4, false}, {0, 0, 33, true},
      {0, 0, 32, false},           {10, 100, 143, true},        {10, 100, 142, false},
      {5, 300, 100, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "thickness " << row.thickness << ", first near "
                                    << row.first_near << ", second far " << row.second_far);
    for (bool vertical : {true, false}) {
      ZOR::Csplitter splitter;
      splitter.vertical = vertical;
      splitter.thickness = row.thickness;
      const RECT first = vertical ? RECT{row.first_near, 0, row.first_near + 1, 50}
                                  : RECT{0, row.first_near, 50, row.first_near + 1};
      const RECT second = vertical ? RECT{row.second_far - 1, 0, row.second_far, 50}
                                   : RECT{0, row.second_far - 1, 50, row.second_far};
      ZOR::measure_splitter(splitter, {first}, {second}, 500);
      EXPECT_EQ(splitter.valid, row.valid) << (vertical ? "vertical" : "horizontal");
    }
  }
  ZOR::Csplitter empty;
  ZOR::measure_splitter(empty, {}, {{0, 0, 500, 500}}, 500);
  EXPECT_FALSE(empty.valid) << "a splitter with an empty group";
}

TEST(Splitter, FractionAndPositionFollowTheExtent) {
  ZOR::Csplitter splitter = vertical_splitter(400);  // limits 36 to 367
  const struct {
    int position;
    int fraction;
  } rows[] = {{36, 0}, {10, 0}, {367, 100000}, {399, 100000}, {200, 50000}, {150, 37500}, {37, 9250}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "position " << row.position);
    splitter.position = row.position;
    EXPECT_EQ(ZOR::splitter_fraction(splitter), row.fraction);
  }
  // After the dialog grew to 800 pixels the fraction gives the new position, within limits.
  splitter.fraction = 50000;
  splitter.extent_end = 800;
  splitter.max_position = 767;
  EXPECT_EQ(ZOR::splitter_position_from_fraction(splitter), 400);
  splitter.fraction = 99000;
  EXPECT_EQ(ZOR::splitter_position_from_fraction(splitter), 767) << "clamped to the limit";
  splitter.fraction = 100000;
  splitter.extent_end = 2000;
  EXPECT_EQ(ZOR::splitter_position_from_fraction(splitter), 767) << "at the far limit stays there";
  splitter.fraction = 0;
  EXPECT_EQ(ZOR::splitter_position_from_fraction(splitter), 36);
  EXPECT_EQ(ZOR::clamp_splitter_position(splitter, -50), 36);
  EXPECT_EQ(ZOR::clamp_splitter_position(splitter, 5000), 767);
  EXPECT_EQ(ZOR::clamp_splitter_position(splitter, 300), 300);
}

TEST(Splitter, GroupsKeepTheirOuterEdgesAndMeetTheBar) {
  ZOR::Csplitter vertical = vertical_splitter(400);
  vertical.position = 220;
  EXPECT_TRUE(same(ZOR::first_group_rect(vertical, {20, 110, 140, 300}), RECT{20, 110, 220, 300}));
  EXPECT_TRUE(same(ZOR::second_group_rect(vertical, {156, 40, 390, 320}), RECT{226, 40, 390, 320}));
  ZOR::Csplitter horizontal;
  horizontal.vertical = false;
  horizontal.thickness = 4;
  horizontal.position = 90;
  EXPECT_TRUE(same(ZOR::first_group_rect(horizontal, {10, 10, 300, 50}), RECT{10, 10, 300, 90}));
  EXPECT_TRUE(same(ZOR::second_group_rect(horizontal, {10, 60, 300, 200}), RECT{10, 94, 300, 200}));
}

}  // namespace
