// Fuzz target: a key-map image and a layout template from the keyboard decoded into a block, and
// the block built back into an image.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "store/config_store.h"
#include "store/key_map.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using mv::store::KeyMapImage;
  std::array<std::uint8_t, mv::store::kKeyMapImageSize> imageBytes{}, templateBytes{};
  std::copy_n(data, std::min(size, imageBytes.size()), imageBytes.begin());
  if (size > imageBytes.size())
    std::copy_n(data + imageBytes.size(), std::min(size - imageBytes.size(), templateBytes.size()), templateBytes.begin());
  const KeyMapImage image = KeyMapImage::FromBytes(imageBytes);
  const KeyMapImage layout = size > imageBytes.size() ? KeyMapImage::FromBytes(templateBytes) : mv::store::BuiltInLayout();

  mv::store::ConfigStores stores;
  stores.applied.mainBlock = mv::store::CreateDefaultMainBlock();
  mv::store::DecodeKeyMapImage(image, layout, *stores.applied.mainBlock, 1);
  const KeyMapImage rebuilt = mv::store::BuildKeyMapImage(stores, layout, 1);
  // Positions without a key of their own keep the template's entry.
  for (int p = 0; p < mv::store::kKeyPositions; ++p)
    if (mv::store::EntryKeyCode(layout.Entry(p)) == 0 && !(rebuilt.Entry(p) == layout.Entry(p))) __builtin_trap();
  return 0;
}
