// Opaque-run finder behind the skinned windows' shapes.
#include "app/mask_runs.h"

#include <algorithm>

namespace mv::app {
namespace {

bool ChannelInRange(std::uint32_t value, std::uint8_t low, std::uint8_t tolerance) {
  const std::uint32_t high = std::min<std::uint32_t>(255u, std::uint32_t{low} + tolerance);
  return value >= low && value <= high;
}

void Widen(MaskRect& bounds, const MaskRect& r, bool first) {
  if (first) {
    bounds = r;
    return;
  }
  bounds.left = std::min(bounds.left, r.left);
  bounds.top = std::min(bounds.top, r.top);
  bounds.right = std::max(bounds.right, r.right);
  bounds.bottom = std::max(bounds.bottom, r.bottom);
}

// Collects rectangles and flushes them every kMaskRectBatch.
class RectCollector {
 public:
  explicit RectCollector(const MaskBatchSink& sink) : sink_(sink) { rects_.reserve(kMaskRectGrowth); }

  void Add(const MaskRect& r) {
    if (rects_.size() == rects_.capacity()) rects_.reserve(rects_.capacity() + kMaskRectGrowth);
    rects_.push_back(r);
    Widen(bounds_, r, total_ == 0);
    ++total_;
    if (rects_.size() == kMaskRectBatch) Flush();
  }

  std::size_t Finish() {
    Flush();
    return total_;
  }

 private:
  void Flush() {
    if (sink_) sink_(std::span<const MaskRect>(rects_), bounds_);
    rects_.clear();
  }

  const MaskBatchSink& sink_;
  std::vector<MaskRect> rects_;
  MaskRect bounds_{};
  std::size_t total_ = 0;
};

}  // namespace

bool IsTransparentPixel(std::uint32_t pixel, const MaskColourKey& key) {
  const std::uint32_t red = (pixel >> 16) & 0xFFu;
  const std::uint32_t green = (pixel >> 8) & 0xFFu;
  const std::uint32_t blue = pixel & 0xFFu;
  return ChannelInRange(red, key.red, key.tolerance) &&
         ChannelInRange(green, key.green, key.tolerance) &&
         ChannelInRange(blue, key.blue, key.tolerance);
}

std::size_t CollectMaskRects(const MaskPicture& picture, const MaskColourKey& key,
                             const MaskBatchSink& sink, std::size_t limit) {
  RectCollector collector(sink);
  const bool usable = picture.pixels != nullptr && picture.width > 0 && picture.height > 0 &&
                      picture.stridePixels >= picture.width;
  if (!usable) return collector.Finish();
  std::size_t found = 0;
  for (int y = 0; y < picture.height; ++y) {
    const std::uint32_t* row = picture.pixels + static_cast<std::size_t>(y) * picture.stridePixels;
    int x = 0;
    while (x < picture.width) {
      while (x < picture.width && IsTransparentPixel(row[x], key)) ++x;
      const int start = x;
      while (x < picture.width && !IsTransparentPixel(row[x], key)) ++x;
      if (x == start) continue;
      // Stop at once: the caller refuses the mask, so the rest is never looked at.
      if (++found > limit) return found;
      collector.Add(MaskRect{start, y, x, y + 1});
    }
  }
  return collector.Finish();
}

}  // namespace mv::app
