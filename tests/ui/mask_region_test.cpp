// The mask refusal through GDI: a noise mask the size of the main window gives no region and says
// it was refused (the dialog then ends as for a missing picture); a busy but legitimate mask still
// becomes one region.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "app/mask_runs.h"
#include "ui/framework/offscreen_picture.h"
#include "ui/skin/make_region.h"

namespace mv::ui {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST(MaskRegion, NoiseIsRefusedAndBusyMasksStillShapeTheWindow) {
  struct Case {
    const char* name;
    int width, height;
    bool (*opaque)(int x, int y);
    bool refused;
  };
  const Case cases[] = {
      {"noise 1100 x 660", 1100, 660,
       [](int x, int y) { return ((static_cast<std::uint32_t>(y * 1100 + x) * 1103515245u + 12345u) >> 16 & 1) != 0; },
       true},
      {"alternating 4000 row", 4000, 1, [](int x, int) { return x % 2 == 0; }, false},
      {"disc", 100, 100, [](int x, int y) { return (x - 50) * (x - 50) + (y - 50) * (y - 50) < 40 * 40; }, false},
  };
  for (const Case& c : cases) {
    OffscreenPicture mask;
    ASSERT_TRUE(mask.CreateDib32(c.width, c.height)) << c.name;
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) mask.pixels()[y * c.width + x] = c.opaque(x, y) ? 0x000000u : 0xFFFFFFu;
    const MaskRegion made = MakeMaskRegion(mask, kWhite, 0);
    EXPECT_EQ(made.refused, c.refused) << c.name;
    EXPECT_EQ(static_cast<bool>(made.region), !c.refused) << c.name;
    if (made.region) {
      EXPECT_EQ(::PtInRegion(made.region.get(), 0, 0) != FALSE, c.opaque(0, 0)) << c.name;
    }
  }
}

}  // namespace
}  // namespace mv::ui
