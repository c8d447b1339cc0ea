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

}  // namespace
}  // namespace mv::app
