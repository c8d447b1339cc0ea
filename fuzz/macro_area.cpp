// Fuzz target: a macro area as the keyboard might return it, decoded and encoded again.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "store/macro_area.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const mv::LanguageTable texts;
  std::vector<mv::store::MacroRecord> records;
  const auto content = mv::store::DecodeMacroArea(std::span<const std::uint8_t>(data, size), records, texts);
  if (content != mv::store::MacroAreaContent::Macros) return 0;
  // Whatever was read must encode again within its measured size.
  const auto sizes = mv::store::MacroAreaSizes(records);
  if (sizes.withNames > 0xFFFF) return 0;
  std::vector<std::uint8_t> area(sizes.withNames);
  if (mv::store::EncodeMacroArea(records, area, true) != 1) __builtin_trap();
  return 0;
}
