// The macro area: every macro of the table in the compact form the keyboard plays, with or
// without names, and its reading back. Layout: magic 0x55AA, areaSize, count, hasNames, 8 reserved
// bytes, count entry offsets, then entries (action count u16, cycles u8, name length u8, 4-byte
// actions, name units).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "app/language.h"
#include "store/config_store.h"
#include "store/macro_record.h"

namespace mv::store {

inline constexpr std::uint16_t kMacroAreaMagic = 0x55AA;
inline constexpr std::size_t kMacroAreaHeaderSize = 16;
inline constexpr std::size_t kMacroAreaActionSize = 4;

struct MacroAreaSize {
  std::uint64_t withoutNames = 0;
  std::uint64_t withNames = 0;
};

// Sizes of the given table (the applied one under its lock for the download).
MacroAreaSize MacroAreaSizes(std::span<const MacroRecord> macros);
MacroAreaSize MacroAreaSizes(const ConfigStore& applied);

// The 4 bytes of one action: control word (delay / 10 in 12 bits, class, bit 15 = key down), then
// the two usage bytes.
std::array<std::uint8_t, kMacroAreaActionSize> EncodeMacroAction(const MacroAction& action);
MacroAction DecodeMacroAction(std::span<const std::uint8_t, kMacroAreaActionSize> bytes);

// Writes the table into buffer, whose size becomes areaSize. 1, or 0 when the buffer is smaller
// than the area or larger than a 16-bit size can say (nothing meaningful is then written).
[[nodiscard]] int EncodeMacroArea(std::span<const MacroRecord> macros, std::span<std::uint8_t> buffer, bool withNames);
[[nodiscard]] int EncodeMacroArea(const ConfigStore& applied, std::span<std::uint8_t> buffer, bool withNames);

// Result of reading an area back.
enum class MacroAreaContent {
  Macros,        // records hold every macro of the area (possibly none)
  NoMacros,      // the first word is not the magic: the keyboard holds no macros
  Inconsistent,  // counts or offsets point outside the bytes: nothing is taken from it
};

// Reads at most the bytes given and never past areaSize. Records get ID position + 1, isNew 0 and
// the stored name or "Macro" + (position + 1).
MacroAreaContent DecodeMacroArea(std::span<const std::uint8_t> area, std::vector<MacroRecord>& records,
                                 const LanguageTable& texts);

}  // namespace mv::store
