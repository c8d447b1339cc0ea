// Opaque-run finder: run boundaries, colour key tolerance, batching of large masks.
#include "app/mask_runs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace mv::app {
namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kBlack = 0x00000000;

struct Collected {
  std::vector<MaskRect> rects;
  std::vector<std::size_t> batchSizes;
  MaskRect bounds{};
};

Collected Collect(const std::vector<std::uint32_t>& pixels, int width, int height,
                  MaskColourKey key = {}) {
  Collected c;
  MaskPicture picture{pixels.data(), width, height, width};
  CollectMaskRects(picture, key, [&](std::span<const MaskRect> batch, const MaskRect& bounds) {
    c.batchSizes.push_back(batch.size());
    c.rects.insert(c.rects.end(), batch.begin(), batch.end());
    c.bounds = bounds;
  });
  return c;
}

TEST(MaskRuns, TransparencyHonoursToleranceAndCapsAt255) {
  struct Case {
    std::uint32_t pixel;
    MaskColourKey key;
    bool transparent;
  };
  const Case cases[] = {
      {kWhite, {255, 255, 255, 0}, true},
      {0x00FFFFFE, {255, 255, 255, 0}, false},     // one blue step off white is opaque
      {0x00102030, {0x10, 0x20, 0x30, 0}, true},
      {0x00152535, {0x10, 0x20, 0x30, 5}, true},    // within tolerance on every channel
      {0x00162535, {0x10, 0x20, 0x30, 5}, false},   // red one past the tolerance
      {0x000F2030, {0x10, 0x20, 0x30, 5}, false},   // below the key colour
      {kWhite, {250, 250, 250, 100}, true},          // 250 + 100 is capped, not wrapped
      {kBlack, {250, 250, 250, 100}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsTransparentPixel(c.pixel, c.key), c.transparent) << std::hex << c.pixel;
  }
}

TEST(MaskRuns, RowsBecomeOnePixelHighRunsTopToBottom) {
  // Row 0: . X X . X   Row 1: X X X X X   Row 2: all transparent
  const std::vector<std::uint32_t> px = {
      kWhite, kBlack, kBlack, kWhite, kBlack,  //
      kBlack, kBlack, kBlack, kBlack, kBlack,  //
      kWhite, kWhite, kWhite, kWhite, kWhite,
  };
  const Collected c = Collect(px, 5, 3);
  ASSERT_EQ(c.rects.size(), 3u);
  EXPECT_EQ(c.rects[0].left, 1);
  EXPECT_EQ(c.rects[0].right, 3);
  EXPECT_EQ(c.rects[0].top, 0);
  EXPECT_EQ(c.rects[0].bottom, 1);
  EXPECT_EQ(c.rects[1].left, 4);
  EXPECT_EQ(c.rects[1].right, 5);
  EXPECT_EQ(c.rects[2].left, 0);
  EXPECT_EQ(c.rects[2].right, 5);
  EXPECT_EQ(c.rects[2].top, 1);
  EXPECT_EQ(c.bounds.left, 0);
  EXPECT_EQ(c.bounds.top, 0);
  EXPECT_EQ(c.bounds.right, 5);
  EXPECT_EQ(c.bounds.bottom, 2);
}

TEST(MaskRuns, AlternatingRowIsFlushedEvery2000Rectangles) {
  // 4001 pixels starting opaque: 2001 single-pixel runs.
  std::vector<std::uint32_t> px(4001);
  for (std::size_t i = 0; i < px.size(); ++i) px[i] = (i % 2 == 0) ? kBlack : kWhite;
  const Collected c = Collect(px, static_cast<int>(px.size()), 1);
  EXPECT_EQ(c.rects.size(), 2001u);
  ASSERT_EQ(c.batchSizes.size(), 2u);
  EXPECT_EQ(c.batchSizes[0], kMaskRectBatch);
  EXPECT_EQ(c.batchSizes[1], 1u);
  EXPECT_EQ(c.rects.back().left, 4000);
  EXPECT_EQ(c.bounds.right, 4001);
}

TEST(MaskRuns, BadPicturesGiveNoRectanglesAndOneEmptyBatch) {
  const std::vector<std::uint32_t> px(4, kBlack);
  struct Case {
    const std::uint32_t* pixels;
    int width, height, stride;
  };
  const Case cases[] = {
      {nullptr, 2, 2, 2}, {px.data(), 0, 2, 2}, {px.data(), 2, -1, 2}, {px.data(), 2, 2, 1}};
  for (const Case& c : cases) {
    std::size_t calls = 0, seen = 0;
    const std::size_t n = CollectMaskRects(
        MaskPicture{c.pixels, c.width, c.height, c.stride}, MaskColourKey{},
        [&](std::span<const MaskRect> batch, const MaskRect&) {
          ++calls;
          seen += batch.size();
        });
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(calls, 1u);
    EXPECT_EQ(seen, 0u);
  }
}

TEST(MaskRuns, StrideWiderThanWidthIgnoresPadding) {
  // Two rows of width 2 stored with stride 3; the padding column is opaque and must not count.
  const std::vector<std::uint32_t> px = {kWhite, kBlack, kBlack, kBlack, kWhite, kBlack};
  MaskPicture picture{px.data(), 2, 2, 3};
  std::vector<MaskRect> rects;
  CollectMaskRects(picture, MaskColourKey{}, [&](std::span<const MaskRect> b, const MaskRect&) {
    rects.insert(rects.end(), b.begin(), b.end());
  });
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0].left, 1);
  EXPECT_EQ(rects[0].right, 2);
  EXPECT_EQ(rects[1].left, 0);
  EXPECT_EQ(rects[1].right, 1);
  EXPECT_EQ(rects[1].top, 1);
}

// Masks around the limit on the number of rectangles: a legitimate busy row passes, noise is refused
// and the scan stops at the first rectangle past the limit.
TEST(MaskRuns, BusyMasksPassUpToTheLimitAndNoiseIsRefused) {
  struct Case {
    const char* name;
    int width, height;
    std::uint32_t (*pixel)(int x, int y);
    std::size_t limit;
    bool refused;
    std::size_t rects;  // what the scan returns
  };
  const auto alternating = [](int x, int) { return (x % 2 == 0) ? kBlack : kWhite; };
  // Deterministic noise: a linear congruential stream, about one run every four pixels.
  const auto noise = [](int x, int y) {
    const std::uint32_t n = static_cast<std::uint32_t>(y * 1100 + x) * 1103515245u + 12345u;
    return ((n >> 16) & 1) ? kBlack : kWhite;
  };
  const auto ring = [](int x, int y) {  // an outline: two runs on most rows
    return (x < 10 || x >= 1090 || y < 10 || y >= 650) ? kBlack : kWhite;
  };
  const Case cases[] = {
      {"alternating 4000 row", 4000, 1, alternating, kMaxMaskRects, false, 2000},
      {"outline as big as the main window", 1100, 660, ring, kMaxMaskRects, false, 20 + 640 * 2},
      {"noise as big as the main window", 1100, 660, noise, kMaxMaskRects, true, kMaxMaskRects + 1},
      {"exactly at a small limit", 8, 1, alternating, 4, false, 4},
      {"one past a small limit", 9, 1, alternating, 4, true, 5},
  };
  for (const Case& c : cases) {
    std::vector<std::uint32_t> px(static_cast<std::size_t>(c.width) * c.height);
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) px[static_cast<std::size_t>(y) * c.width + x] = c.pixel(x, y);
    std::size_t handedOn = 0;
    const std::size_t n = CollectMaskRects(
        MaskPicture{px.data(), c.width, c.height, c.width}, MaskColourKey{},
        [&](std::span<const MaskRect> batch, const MaskRect&) { handedOn += batch.size(); }, c.limit);
    EXPECT_EQ(MaskRefused(n, c.limit), c.refused) << c.name;
    // Counting stops at the first rectangle past the limit, whatever the rest of the picture holds.
    EXPECT_EQ(n, c.rects) << c.name;
    EXPECT_LE(handedOn, c.limit) << c.name;
    if (!c.refused) {
      EXPECT_EQ(handedOn, n) << c.name;
    }
  }
}

}  // namespace
}  // namespace mv::app
