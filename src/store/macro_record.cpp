// Field access of the macro record layout.
#include "store/macro_record.h"

#include <algorithm>

#include "store/byte_layout.h"

namespace mv::store {

MacroAction MacroAction::Read(std::span<const std::uint8_t, kSize> bytes) {
  MacroAction a;
  a.delayMs = LoadU32(bytes, 0);
  a.keyCode = LoadU16(bytes, 4);
  a.state = LoadU16(bytes, 6);
  return a;
}

void MacroAction::Write(std::span<std::uint8_t, kSize> bytes) const {
  StoreU32(bytes, 0, delayMs);
  StoreU16(bytes, 4, keyCode);
  StoreU16(bytes, 6, state);
}

std::uint16_t MacroRecord::U16(std::size_t offset) const { return LoadU16(bytes_, offset); }
void MacroRecord::SetU16(std::size_t offset, std::uint16_t value) { StoreU16(bytes_, offset, value); }

std::u16string MacroRecord::Name() const {
  std::u16string name;
  for (int i = 0; i < kMacroNameUnits; ++i) {
    const char16_t unit = static_cast<char16_t>(LoadU16(bytes_, 2 * i));
    if (unit == 0) break;
    name.push_back(unit);
  }
  return name;
}

void MacroRecord::SetName(std::u16string_view name) {
  const std::size_t units = std::min<std::size_t>(name.size(), kMacroNameUnits - 1);
  for (int i = 0; i < kMacroNameUnits; ++i)
    StoreU16(bytes_, 2 * i, static_cast<std::size_t>(i) < units ? name[i] : 0);
}

int MacroRecord::UsableActionCount() const { return std::min<int>(ActionCount(), kMaxMacroActions); }

MacroAction MacroRecord::Action(int index) const {
  const auto at = kActionsOffset + static_cast<std::size_t>(index) * MacroAction::kSize;
  return MacroAction::Read(std::span<const std::uint8_t>(bytes_).subspan(at).first<MacroAction::kSize>());
}

void MacroRecord::SetAction(int index, const MacroAction& action) {
  const auto at = kActionsOffset + static_cast<std::size_t>(index) * MacroAction::kSize;
  action.Write(std::span<std::uint8_t>(bytes_).subspan(at).first<MacroAction::kSize>());
}

bool MacroRecord::AppendAction(const MacroAction& action) {
  const int count = ActionCount();
  if (count >= kMaxMacroActions) return false;
  SetAction(count, action);
  SetActionCount(static_cast<std::uint16_t>(count + 1));
  return true;
}

}  // namespace mv::store
