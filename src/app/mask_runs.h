// Window shapes from mask pictures: finds the opaque runs of a 32-bit picture, row by row, and
// hands them on in batches so the Win32 side can build the region without one huge allocation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace mv::app {

// A colour that counts as see-through, with a tolerance added to each channel (capped at 255).
struct MaskColourKey {
  std::uint8_t red = 255;
  std::uint8_t green = 255;
  std::uint8_t blue = 255;
  std::uint8_t tolerance = 0;
};

// One-pixel-high rectangle of opaque pixels: columns [left, right) of row top.
struct MaskRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// Batching of the collected rectangles: the buffer grows by this many at a time and is turned
// into a region after this many, so a busy mask never needs one giant region request.
inline constexpr std::size_t kMaskRectGrowth = 100;
inline constexpr std::size_t kMaskRectBatch = 2000;

// Most rectangles a window shape may have. A drawn outline needs a few runs per row (the shipped
// masks one per row, at most 660); 16384 leaves room for eight runs on each of 2048 rows or a
// 32768-pixel row of alternating pixels, while a picture of noise (about 180000 runs at 1100 x 660)
// is refused long before the region it would make stalls the window system.
inline constexpr std::size_t kMaxMaskRects = 16384;

// Pixels are 0x00RRGGBB (a top-down 32-bit DIB as the OS stores it).
[[nodiscard]] bool IsTransparentPixel(std::uint32_t pixel, const MaskColourKey& key);

// Called with each full batch and once at the end with the rest (possibly empty), together with
// the bounding box of everything found so far.
using MaskBatchSink = std::function<void(std::span<const MaskRect> batch, const MaskRect& bounds)>;

struct MaskPicture {
  const std::uint32_t* pixels = nullptr;  // rows of stridePixels each, top row first
  int width = 0;
  int height = 0;
  int stridePixels = 0;
};

// Walks the rows top to bottom and reports every run of opaque pixels. Returns the number of
// rectangles found; a picture with no pixels or a bad size gives 0 and one empty final batch.
// A mask with more than limit rectangles is refused: the scan stops at the first rectangle past
// the limit and returns limit + 1; that rectangle and the unflushed rest are never handed on.
std::size_t CollectMaskRects(const MaskPicture& picture, const MaskColourKey& key,
                             const MaskBatchSink& sink, std::size_t limit = kMaxMaskRects);

// Whether a count from CollectMaskRects means the mask was refused.
[[nodiscard]] constexpr bool MaskRefused(std::size_t rects, std::size_t limit = kMaxMaskRects) {
  return rects > limit;
}

}  // namespace mv::app
