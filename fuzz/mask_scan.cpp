// Fuzz target: the mask scan over pictures of any content and shape. The first bytes give the
// width, the stride padding, the colour key, its tolerance and the limit; the pixels follow and
// the height is what they fill. Every rectangle must lie in the picture, batches stay bounded and
// the scan stops at the limit.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "app/mask_runs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeader = 8;
  if (size < kHeader) return 0;
  const int width = 1 + data[0] % 64;
  const int stride = width + data[1] % 4;
  const mv::app::MaskColourKey key{data[2], data[3], data[4], data[5]};
  const std::size_t limit = data[6] | (data[7] & 0x3F) << 8;  // 0..16383

  // Pixels as 0x00RRGGBB from three bytes each, so ordinary colours turn up often.
  std::vector<std::uint32_t> pixels;
  for (std::size_t i = kHeader; i + 3 <= size; i += 3)
    pixels.push_back(std::uint32_t{data[i]} << 16 | std::uint32_t{data[i + 1]} << 8 | data[i + 2]);
  const int height = static_cast<int>(pixels.size() / static_cast<std::size_t>(stride));
  pixels.resize(static_cast<std::size_t>(height) * stride);

  std::size_t handedOn = 0;
  bool finalSeen = false;
  const std::size_t found = mv::app::CollectMaskRects(
      mv::app::MaskPicture{pixels.empty() ? nullptr : pixels.data(), width, height, stride}, key,
      [&](std::span<const mv::app::MaskRect> batch, const mv::app::MaskRect& bounds) {
        if (finalSeen || batch.size() > mv::app::kMaskRectBatch) __builtin_trap();
        if (batch.size() < mv::app::kMaskRectBatch) finalSeen = true;
        for (const auto& r : batch) {
          if (r.left < 0 || r.right > width || r.left >= r.right || r.top < 0 || r.top >= height ||
              r.bottom != r.top + 1)
            __builtin_trap();
          if (r.left < bounds.left || r.right > bounds.right || r.top < bounds.top || r.bottom > bounds.bottom)
            __builtin_trap();
        }
        handedOn += batch.size();
      },
      limit);
  if (found > limit + 1 || handedOn > limit) __builtin_trap();
  if (!mv::app::MaskRefused(found, limit) && handedOn != found) __builtin_trap();
  return 0;
}
