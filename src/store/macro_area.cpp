// Encoding and decoding of the keyboard's macro area.
#include "store/macro_area.h"

#include <algorithm>

#include "keys/key_codes.h"
#include "store/byte_layout.h"
#include "store/key_map.h"
#include "store/macro_model.h"

namespace mv::store {

namespace {
constexpr std::uint16_t kDelayMask = 0x0FFF;
constexpr std::uint16_t kKeyDownBit = 0x8000;
constexpr std::size_t kEntryHeaderSize = 4;

std::uint64_t EntrySize(const MacroRecord& record, bool withNames) {
  const std::uint64_t actions = static_cast<std::uint64_t>(record.UsableActionCount()) * kMacroAreaActionSize;
  return kEntryHeaderSize + actions + (withNames ? 2 * record.Name().size() : 0);
}

std::uint8_t ClassOfPage(std::uint16_t page) {
  switch (page) {
    case 0x07: return 2;
    case 0x0C: return 3;
    case 0x01: return 4;
    default: return 0;
  }
}
}  // namespace

MacroAreaSize MacroAreaSizes(std::span<const MacroRecord> macros) {
  MacroAreaSize size{kMacroAreaHeaderSize + 2 * macros.size(), kMacroAreaHeaderSize + 2 * macros.size()};
  for (const auto& record : macros) {
    size.withoutNames += EntrySize(record, false);
    size.withNames += EntrySize(record, true);
  }
  return size;
}

MacroAreaSize MacroAreaSizes(const ConfigStore& applied) {
  auto guard = applied.Lock();
  return MacroAreaSizes(applied.macros);
}

std::array<std::uint8_t, kMacroAreaActionSize> EncodeMacroAction(const MacroAction& action) {
  const keys::HidUsage usage = keys::KeyToHidUsage(action.keyCode);
  const std::uint8_t entryClass = ClassOfPage(usage.page);
  std::uint8_t b1 = 0, b2 = 0;
  if (entryClass == 2) {
    const std::uint8_t bit = keys::ModifierBitOfKey(action.keyCode);
    b1 = bit ? 1 : 2;
    b2 = bit ? bit : static_cast<std::uint8_t>(usage.usage);
  } else if (entryClass != 0) {
    b1 = static_cast<std::uint8_t>(usage.usage);
    b2 = static_cast<std::uint8_t>(usage.usage >> 8);
  }
  std::uint16_t control = static_cast<std::uint16_t>((action.delayMs / 10) & kDelayMask);
  control |= static_cast<std::uint16_t>(entryClass << 12);
  if (action.state == MacroAction::kDown) control |= kKeyDownBit;
  return {static_cast<std::uint8_t>(control), static_cast<std::uint8_t>(control >> 8), b1, b2};
}

MacroAction DecodeMacroAction(std::span<const std::uint8_t, kMacroAreaActionSize> bytes) {
  const std::uint16_t control = LoadU16(bytes, 0);
  MacroAction action;
  action.delayMs = static_cast<std::uint32_t>(control & kDelayMask) * 10;
  action.keyCode = EntryKeyCode({static_cast<std::uint8_t>((control >> 12) & 0x7), bytes[2], bytes[3]});
  action.state = (control & kKeyDownBit) ? MacroAction::kDown : MacroAction::kUp;
  return action;
}

int EncodeMacroArea(std::span<const MacroRecord> macros, std::span<std::uint8_t> buffer, bool withNames) {
  const MacroAreaSize sizes = MacroAreaSizes(macros);
  const std::uint64_t needed = withNames ? sizes.withNames : sizes.withoutNames;
  if (buffer.size() < needed || buffer.size() > 0xFFFF || macros.size() > static_cast<std::size_t>(kMaxMacros))
    return 0;
  std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
  StoreU16(buffer, 0, kMacroAreaMagic);
  StoreU16(buffer, 2, static_cast<std::uint16_t>(buffer.size()));
  StoreU16(buffer, 4, static_cast<std::uint16_t>(macros.size()));
  StoreU16(buffer, 6, withNames ? 1 : 0);
  std::size_t at = kMacroAreaHeaderSize + 2 * macros.size();
  for (std::size_t i = 0; i < macros.size(); ++i) {
    const MacroRecord& record = macros[i];
    const std::u16string name = withNames ? record.Name() : std::u16string();
    StoreU16(buffer, kMacroAreaHeaderSize + 2 * i, static_cast<std::uint16_t>(at));
    StoreU16(buffer, at, static_cast<std::uint16_t>(record.UsableActionCount()));
    buffer[at + 2] = record.Cycles();
    buffer[at + 3] = static_cast<std::uint8_t>(name.size());
    at += kEntryHeaderSize;
    for (int a = 0; a < record.UsableActionCount(); ++a) {
      const auto bytes = EncodeMacroAction(record.Action(a));
      std::copy(bytes.begin(), bytes.end(), buffer.begin() + static_cast<std::ptrdiff_t>(at));
      at += kMacroAreaActionSize;
    }
    for (const char16_t unit : name) {
      StoreU16(buffer, at, unit);
      at += 2;
    }
  }
  return 1;
}

int EncodeMacroArea(const ConfigStore& applied, std::span<std::uint8_t> buffer, bool withNames) {
  auto guard = applied.Lock();
  return EncodeMacroArea(applied.macros, buffer, withNames);
}

namespace {
// One entry within bounds, or false.
bool DecodeEntry(std::span<const std::uint8_t> area, std::size_t at, int position, MacroRecord& record,
                 const LanguageTable& texts) {
  if (at < kMacroAreaHeaderSize || at + kEntryHeaderSize > area.size()) return false;
  const std::size_t actions = LoadU16(area, at);
  const std::size_t nameUnits = area[at + 3];
  if (actions > static_cast<std::size_t>(kMaxMacroActions)) return false;
  const std::size_t actionsAt = at + kEntryHeaderSize;
  const std::size_t nameAt = actionsAt + actions * kMacroAreaActionSize;
  if (nameAt + 2 * nameUnits > area.size()) return false;
  record.SetCycles(area[at + 2]);
  record.SetMacroId(static_cast<std::uint16_t>(position + 1));
  record.SetActionCount(static_cast<std::uint16_t>(actions));
  for (std::size_t a = 0; a < actions; ++a)
    record.SetAction(static_cast<int>(a),
                     DecodeMacroAction(area.subspan(actionsAt + a * kMacroAreaActionSize).first<kMacroAreaActionSize>()));
  std::u16string name;
  for (std::size_t u = 0; u < nameUnits; ++u) name.push_back(static_cast<char16_t>(LoadU16(area, nameAt + 2 * u)));
  record.SetName(nameUnits != 0 ? std::u16string_view(name) : std::u16string_view(DefaultMacroName(position, texts)));
  return true;
}
}  // namespace

MacroAreaContent DecodeMacroArea(std::span<const std::uint8_t> area, std::vector<MacroRecord>& records,
                                 const LanguageTable& texts) {
  records.clear();
  if (area.size() < 2 || LoadU16(area, 0) != kMacroAreaMagic) return MacroAreaContent::NoMacros;
  if (area.size() < kMacroAreaHeaderSize) return MacroAreaContent::Inconsistent;
  // Never past the size the area claims, nor past the bytes that arrived.
  const auto bounded = area.first(std::min<std::size_t>(LoadU16(area, 2), area.size()));
  const std::size_t count = LoadU16(area, 4);
  if (count > static_cast<std::size_t>(kMaxMacros) || kMacroAreaHeaderSize + 2 * count > bounded.size())
    return MacroAreaContent::Inconsistent;
  std::vector<MacroRecord> decoded;
  try {
    decoded.resize(count);
  } catch (const std::bad_alloc&) {
    return MacroAreaContent::Inconsistent;
  }
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = LoadU16(bounded, kMacroAreaHeaderSize + 2 * i);
    if (!DecodeEntry(bounded, at, static_cast<int>(i), decoded[i], texts)) return MacroAreaContent::Inconsistent;
  }
  records.swap(decoded);
  return MacroAreaContent::Macros;
}

}  // namespace mv::store
