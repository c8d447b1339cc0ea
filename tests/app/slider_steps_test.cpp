// The bitmap slider's steps: nearest-step rounding across the width, clamping at both ends, and
// ranges given in either order.
#include "app/slider_steps.h"

#include <gtest/gtest.h>

namespace mv::app {
namespace {

TEST(SliderSteps, ClientXGoesToTheNearestStep) {
  struct Case {
    SliderRange range;
    int x, width, expected;
  } cases[] = {
      // Five steps over 101 pixels: one step every 25 pixels, halves round up.
      {{0, 4}, 0, 101, 0},    {{0, 4}, 12, 101, 0},   {{0, 4}, 13, 101, 1},  {{0, 4}, 25, 101, 1},
      {{0, 4}, 62, 101, 2},   {{0, 4}, 63, 101, 3},   {{0, 4}, 100, 101, 4},
      // Outside the control: held at the ends.
      {{0, 4}, -30, 101, 0},  {{0, 4}, 5000, 101, 4},
      // A range that does not start at zero.
      {{1, 3}, 0, 41, 1},     {{1, 3}, 20, 41, 2},    {{1, 3}, 40, 41, 3},
      // Nothing to divide: a one-step range or a control one pixel wide or less.
      {{2, 2}, 50, 100, 2},   {{0, 4}, 0, 1, 0},      {{0, 4}, 0, 0, 0},     {{0, 4}, 7, -5, 0},
      // Wide controls and long ranges do not overflow.
      {{0, 1000000}, 2000000, 2000001, 1000000},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.range.PositionAt(c.x, c.width), c.expected)
        << c.range.minimum << ".." << c.range.maximum << " x " << c.x << " width " << c.width;
}

TEST(SliderSteps, PositionsAreClampedAndEndsMayComeInEitherOrder) {
  const SliderRange range = SliderRange::Between(4, 0);
  EXPECT_EQ(range.minimum, 0);
  EXPECT_EQ(range.maximum, 4);
  struct Case {
    int position, expected;
  } cases[] = {{-1, 0}, {0, 0}, {3, 3}, {4, 4}, {9, 4}};
  for (const Case& c : cases) EXPECT_EQ(range.Clamp(c.position), c.expected) << c.position;
}

}  // namespace
}  // namespace mv::app
