// The key editor's corner beside the clicked key: the four-way preference and the screen's corners.
#include "app/editor_placement.h"

#include <gtest/gtest.h>

namespace mv::app {
namespace {

constexpr int kScreenW = 1280;
constexpr int kScreenH = 1024;
constexpr int kDialogW = 400;
constexpr int kDialogH = 300;

TEST(KeyEditorPlacement, PrefersRightThenBelowAndFallsBackToRightBelow) {
  struct Case {
    const char* name;
    ScreenRect key;
    ScreenPoint expected;
  } cases[] = {
      {"middle: right and below", {600, 400, 640, 440}, {640, 440}},
      {"top left corner: right and below", {0, 0, 40, 40}, {40, 40}},
      {"bottom: right and above", {600, 900, 640, 940}, {640, 600}},
      {"right edge: left and below", {1000, 100, 1040, 140}, {600, 140}},
      {"bottom right corner: left and above", {1200, 950, 1240, 990}, {800, 650}},
      // Exactly fitting counts as fitting on every side.
      {"right and below just fit", {840, 684, 880, 724}, {880, 724}},
      {"above just fits", {880, 300, 920, 725}, {480, 0}},
      {"left just fits", {400, 725, 881, 760}, {0, 425}},
      // Fits nowhere (a key as big as the screen): right and below all the same.
      {"nowhere", {10, 10, 1270, 1014}, {1270, 1014}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(KeyEditorPosition(kScreenW, kScreenH, c.key, kDialogW, kDialogH), c.expected) << c.name;
}

TEST(KeyEditorPlacement, EachSideIsJudgedOnItsOwnMeasure) {
  // The same key on a narrower screen: 260 pixels to the right are too few for 300, so left.
  const ScreenRect key{700, 500, 740, 540};
  EXPECT_EQ(KeyEditorPosition(1000, 1024, key, 300, 300), (ScreenPoint{400, 540}));
  EXPECT_EQ(KeyEditorPosition(1040, 1024, key, 300, 300), (ScreenPoint{740, 540}));
  // Too tall for below and above alike: room on the left is not enough, no corner fits.
  EXPECT_EQ(KeyEditorPosition(1000, 1024, key, 300, 600), (ScreenPoint{740, 540}));
}

}  // namespace
}  // namespace mv::app
